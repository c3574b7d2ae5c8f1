// SPDX-License-Identifier: MIT
#include "core/app/span_slice.h"

#include <algorithm>

namespace qorl {

std::vector<FormatSpan> SliceSpans(const std::vector<FormatSpan>& spans, std::int32_t start,
                                   std::int32_t length) {
  std::vector<FormatSpan> out;
  if (start < 0 || length <= 0) return out;
  // 64-bit ends, so that no start + length can overflow.
  const std::int64_t end = std::int64_t{start} + length;
  for (const FormatSpan& span : spans) {
    if (span.length <= 0) continue;
    const std::int64_t from = std::max<std::int64_t>(span.start, start);
    const std::int64_t to = std::min<std::int64_t>(std::int64_t{span.start} + span.length, end);
    if (from >= to) continue;
    FormatSpan piece = span;
    piece.start = static_cast<std::int32_t>(from - start);
    piece.length = static_cast<std::int32_t>(to - from);
    out.push_back(piece);
  }
  return out;
}

}  // namespace qorl
