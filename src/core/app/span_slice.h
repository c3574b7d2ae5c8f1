// SPDX-License-Identifier: MIT
#pragma once
// Cuts the formatting ranges of a whole topic down to a part of it, so that a selection can be
// written as RTF or HTML with the formatting it has in the view.

#include <cstdint>
#include <vector>

#include "core/browse/topic_format.h"

namespace qorl {

// The parts of spans that fall in [start, start + length), moved so that start becomes
// position 0, in their original order (the order decides how ranges combine). Parts left empty
// are dropped; a negative start or length yields no spans.
std::vector<FormatSpan> SliceSpans(const std::vector<FormatSpan>& spans, std::int32_t start,
                                   std::int32_t length);

}  // namespace qorl
