// SPDX-License-Identifier: MIT
#pragma once
// Byte-text helpers that touch only the ASCII letters and control codes, leaving every other
// byte of the list's code page as it is.

#include <cstddef>
#include <string>
#include <string_view>

namespace qorl {

// The letter a to z as its capital; every other byte unchanged.
constexpr char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The letter A to Z as its small letter; every other byte unchanged.
constexpr char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when a and b are equal once the letters a to z of both are made capitals.
constexpr bool EqualsFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

// A copy with the letters a to z changed to capitals.
std::string AsciiUpper(std::string_view text);

// The text without leading and trailing characters of codes 0 to 32.
std::string_view TrimControls(std::string_view text);

// A copy of text with every occurrence of ch replaced by a blank.
std::string ReplaceChar(std::string_view text, char ch);
// The same in place; the byte is looked for with memchr, fast where it is rare.
void BlankEach(std::string& text, char ch);

}  // namespace qorl
