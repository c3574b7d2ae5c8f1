// SPDX-License-Identifier: MIT
#include "core/search/byte_pattern.h"

#include "core/search/text_rules.h"

namespace qorl {

std::size_t BytePattern::findIn(std::string_view text, std::size_t from) const {
  if (from > text.size()) return std::string_view::npos;
  const char* hit = finder_.find(text.data() + from, text.data() + text.size());
  return hit ? static_cast<std::size_t>(hit - text.data()) : std::string_view::npos;
}

bool IsWholeWordAt(std::string_view text, std::size_t pos, std::size_t length) {
  if (length == 0 || pos + length > text.size()) return false;
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (IsWordByte(at(pos)) && pos > 0 && IsWordByte(at(pos - 1))) return false;
  const std::size_t lastPos = pos + length - 1;
  if (IsWordByte(at(lastPos)) && lastPos + 1 < text.size() && IsWordByte(at(lastPos + 1)))
    return false;
  return true;
}

}  // namespace qorl
