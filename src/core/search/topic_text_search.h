// SPDX-License-Identifier: MIT
#pragma once
// The Find dialog's third scope, "Current topic": a search of the text on view from a position.

#include <cstdint>
#include <string_view>

namespace qorl {

// Position of the first occurrence of pattern in displayText (see DisplayTextOf) at or after
// start, or -1. Case-sensitive, or with a to z folded on both sides. With wholeWords, occurrences
// inside a word are passed over (same word characters as the title search) and the search goes on
// to the next one. An empty pattern, or a start past the end, finds nothing; a negative start
// counts as 0.
std::int32_t SearchTopicText(std::string_view displayText, std::string_view pattern,
                             std::int32_t start, bool caseSensitive, bool wholeWords);

}  // namespace qorl
