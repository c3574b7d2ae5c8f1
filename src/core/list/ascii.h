#pragma once
// Byte-text helpers that touch only the ASCII letters and control codes, leaving every other
// byte of the list's code page as it is.

#include <string>
#include <string_view>

namespace qorl {

// A copy with the letters a to z changed to capitals.
std::string AsciiUpper(std::string_view text);

// The text without leading and trailing characters of codes 0 to 32.
std::string_view TrimControls(std::string_view text);

// A copy of text with every occurrence of ch replaced by a blank.
std::string ReplaceChar(std::string_view text, char ch);

}  // namespace qorl
