// SPDX-License-Identifier: MIT
#include "core/list/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qorl {
namespace {

struct ReadLine {
  std::string text;
  int endBytes;
  bool operator==(const ReadLine&) const = default;
};

std::vector<ReadLine> ReadAll(const std::string& bytes, std::size_t chunk) {
  std::istringstream in(bytes);
  LineReader reader(in, chunk);
  std::vector<ReadLine> lines;
  std::string_view line;
  int endBytes = 0;
  while (reader.next(line, endBytes)) lines.push_back({std::string(line), endBytes});
  EXPECT_FALSE(reader.failed());
  return lines;
}

TEST(LineReader, SameLinesWhereverTheReadsSplitTheText) {
  // Line ends of every kind, an empty line, a line longer than the buffer, a CR LF and a lone CR
  // at every possible chunk boundary, and Ctrl-Z ending the text.
  const std::string bytes = "first\r\n\r\nlone lf\nlone cr\r" + std::string(70, 'L') +
                            "\r\n\n\rx\r\ny\x1A"
                            "after the end\r\n";
  const std::vector<ReadLine> expected = {
      {"first", 2}, {"", 2}, {"lone lf", 1}, {"lone cr", 1}, {std::string(70, 'L'), 2},
      {"", 1},      {"", 1}, {"x", 2},       {"y", 2},
  };
  for (std::size_t chunk = 16; chunk <= 48; ++chunk) {
    SCOPED_TRACE("chunk " + std::to_string(chunk));
    EXPECT_EQ(ReadAll(bytes, chunk), expected);
  }
}

TEST(LineReader, EndOfText) {
  EXPECT_TRUE(ReadAll("", 16).empty());
  EXPECT_EQ(ReadAll("a\r\n", 16), (std::vector<ReadLine>{{"a", 2}}));
  EXPECT_EQ(ReadAll("a\r", 16), (std::vector<ReadLine>{{"a", 1}}));
  EXPECT_EQ(ReadAll("a\r\nlast", 16), (std::vector<ReadLine>{{"a", 2}, {"last", 2}}));
  EXPECT_EQ(ReadAll("a\r\n\x1A", 16), (std::vector<ReadLine>{{"a", 2}}));
}

TEST(LineReader, LongLinesAreCutWhenAskedAndHeldWholeOtherwise) {
  // A list of one 8 MiB line and a short one, read in 1 MiB chunks.
  const std::string longLine(std::size_t{8} << 20, 'x');
  std::istringstream in(longLine + "\r\nshort\r\n");
  LineReader reader(in, std::size_t{1} << 20);
  reader.setCutLimit(75);
  std::string_view line;
  int endBytes = 0;
  ASSERT_TRUE(reader.next(line, endBytes));
  EXPECT_EQ(line, longLine.substr(0, 75));
  EXPECT_EQ(reader.lineLength(), static_cast<std::int64_t>(longLine.size()));
  EXPECT_EQ(endBytes, 2);
  EXPECT_LE(reader.bufferSize(), std::size_t{2} << 20);
  ASSERT_TRUE(reader.next(line, endBytes));
  EXPECT_EQ(line, "short");
  EXPECT_EQ(reader.lineLength(), 5);

  std::istringstream again(longLine);
  LineReader whole(again, std::size_t{1} << 20);
  ASSERT_TRUE(whole.next(line, endBytes));
  EXPECT_EQ(line, longLine);
}

}  // namespace
}  // namespace qorl
