// SPDX-License-Identifier: MIT
#include "core/list/ascii.h"

#include <cstring>

namespace qorl {

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

std::string_view TrimControls(std::string_view text) {
  auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && isControl(text.front())) text.remove_prefix(1);
  while (!text.empty() && isControl(text.back())) text.remove_suffix(1);
  return text;
}

std::string ReplaceChar(std::string_view text, char ch) {
  std::string out(text);
  BlankEach(out, ch);
  return out;
}

void BlankEach(std::string& text, char ch) {
  char* const end = text.data() + text.size();
  for (char* p = text.data(); (p = static_cast<char*>(std::memchr(p, ch, end - p))) != nullptr;
       ++p) {
    *p = ' ';
  }
}

}  // namespace qorl
