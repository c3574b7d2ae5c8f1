// SPDX-License-Identifier: MIT
#pragma once
// The byte rules that searches and topic lookups share: case folding changes only the letters a to
// z, trimming removes codes 0 to 32 at both ends, and word characters are 0-9, A-Z, a-z and every
// code from 192 to 255 (the underscore and all other codes separate words).

#include <cstddef>
#include <string_view>

#include "core/list/ascii.h"

namespace qorl {

constexpr unsigned char FoldedByte(unsigned char c) {
  return static_cast<unsigned char>(AsciiUpper(static_cast<char>(c)));
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

// True when text begins with prefix after folding both.
constexpr bool StartsWithFolded(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsFolded(text.substr(0, prefix.size()), prefix);
}

}  // namespace qorl
