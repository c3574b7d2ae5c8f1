// SPDX-License-Identifier: MIT
#pragma once
// The references of one topic that lead somewhere when clicked: the See-also menu's entries and,
// when every reference is followed, the references of the running text, each with its exact
// place in the topic's display text. They are what FormatTopic makes links of, so a reference is
// found here exactly when the view offers it.

#include <string_view>
#include <vector>

#include "core/browse/text_references.h"

namespace qorl {

// displayText: DisplayTextOf the topic's bytes; title, listKind, parseTopics as for FormatTopic.
// The see-also entries count whatever the EnabledSeeAlsoMenu setting says. Ranges are byte
// positions in displayText, in text order.
std::vector<TextRange> LinkedReferences(std::string_view displayText, std::string_view title,
                                        int listKind, bool parseTopics, bool followAll);

// The line of displayText that holds position at, without its line break.
std::string_view LineAround(std::string_view displayText, std::size_t at);

}  // namespace qorl
