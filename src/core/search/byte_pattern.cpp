#include "core/search/byte_pattern.h"

#include <cstring>

#include "core/search/text_rules.h"

namespace qorl {

BytePattern::BytePattern(std::string_view pattern, bool caseSensitive)
    : pattern_(pattern), caseSensitive_(caseSensitive) {
  if (!caseSensitive_) {
    for (char& c : pattern_) c = static_cast<char>(FoldedByte(static_cast<unsigned char>(c)));
  }
}

std::size_t BytePattern::findIn(std::string_view text, std::size_t from) const {
  if (pattern_.empty() || from > text.size()) return std::string_view::npos;
  return caseSensitive_ ? text.find(pattern_, from) : findFolded(text, from);
}

std::size_t BytePattern::findFolded(std::string_view text, std::size_t from) const {
  const std::size_t m = pattern_.size();
  if (text.size() < m) return std::string_view::npos;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const auto* pat = reinterpret_cast<const unsigned char*>(pattern_.data());
  const std::size_t last = text.size() - m;  // last possible start
  const unsigned char first = pat[0];
  const bool firstIsLetter = first >= 'A' && first <= 'Z';
  const unsigned char firstLower = static_cast<unsigned char>(first | 0x20);

  for (std::size_t i = from; i <= last; ++i) {
    if (firstIsLetter) {
      // For a letter, c | 0x20 equals its small form exactly for the letter in either case.
      while (i <= last && (bytes[i] | 0x20) != firstLower) ++i;
      if (i > last) break;
    } else {
      const void* hit = std::memchr(bytes + i, first, last - i + 1);
      if (hit == nullptr) break;
      i = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - bytes);
    }
    std::size_t k = 1;
    while (k < m && FoldedByte(bytes[i + k]) == pat[k]) ++k;
    if (k == m) return i;
  }
  return std::string_view::npos;
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
