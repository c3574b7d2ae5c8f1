// SPDX-License-Identifier: MIT
#include "core/search/topic_text_search.h"

#include "core/search/byte_pattern.h"

namespace qorl {

std::int32_t SearchTopicText(std::string_view displayText, std::string_view pattern,
                             std::int32_t start, bool caseSensitive, bool wholeWords) {
  const BytePattern bytes(pattern, caseSensitive);
  std::size_t from = start < 0 ? 0 : static_cast<std::size_t>(start);
  while (true) {
    const std::size_t pos = bytes.findIn(displayText, from);
    if (pos == std::string_view::npos) return -1;
    if (!wholeWords || IsWholeWordAt(displayText, pos, bytes.size()))
      return static_cast<std::int32_t>(pos);
    from = pos + 1;
  }
}

}  // namespace qorl
