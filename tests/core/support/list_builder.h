// SPDX-License-Identifier: MIT
#pragma once
// Helpers that build list files in memory: separator lines with a category character and an
// identifier, and text lines, each ended with CR LF as the real list files are.

#include <string>
#include <string_view>

namespace qorl::test {

// A separator line of `length` characters (no line end): eight dashes, the category character,
// a dash, the identifier, then dashes up to the length.
inline std::string SeparatorLine(char category, std::string_view identifier,
                                 std::size_t length = 48) {
  std::string line(8, '-');
  line += category;
  line += '-';
  line += identifier;
  if (line.size() < length) line.append(length - line.size(), '-');
  return line;
}

// The same separator line followed by CR LF.
inline std::string Separator(char category, std::string_view identifier, std::size_t length = 48) {
  return SeparatorLine(category, identifier, length) + "\r\n";
}

// A text line followed by CR LF.
inline std::string Line(std::string_view text) {
  return std::string(text) + "\r\n";
}

// Builds a list by appending separators and lines: ListBuilder().line("x").topic('D', "0100",
// "Title").str().
class ListBuilder {
 public:
  ListBuilder& line(std::string_view text) {
    bytes_ += Line(text);
    return *this;
  }
  ListBuilder& separator(char category, std::string_view identifier, std::size_t length = 48) {
    bytes_ += Separator(category, identifier, length);
    return *this;
  }
  // A separator followed by a title line and optional body lines.
  ListBuilder& topic(char category, std::string_view identifier, std::string_view title,
                     std::string_view body = {}) {
    separator(category, identifier);
    line(title);
    if (!body.empty()) line(body);
    return *this;
  }
  ListBuilder& raw(std::string_view bytes) {
    bytes_ += bytes;
    return *this;
  }
  const std::string& str() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace qorl::test
