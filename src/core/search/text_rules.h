#pragma once
// The byte rules that searches and topic lookups share: case folding changes only the letters a to
// z, trimming removes codes 0 to 32 at both ends, and word characters are 0-9, A-Z, a-z and every
// code from 192 to 255 (the underscore and all other codes separate words).

#include <cstddef>
#include <string_view>

namespace qorl {

constexpr unsigned char FoldedByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

constexpr bool IsWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 192;
}

constexpr bool IsTrimmedByte(unsigned char c) {
  return c <= 32;
}

// text without its leading and trailing codes 0 to 32.
constexpr std::string_view TrimmedView(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsTrimmedByte(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && IsTrimmedByte(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

// True when a and b are equal after folding both.
constexpr bool EqualsFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldedByte(static_cast<unsigned char>(a[i])) !=
        FoldedByte(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

// True when text begins with prefix after folding both.
constexpr bool StartsWithFolded(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsFolded(text.substr(0, prefix.size()), prefix);
}

}  // namespace qorl
