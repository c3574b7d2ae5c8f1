// SPDX-License-Identifier: MIT
#include "core/list/list_scanner.h"

#include "core/list/line_reader.h"
#include "core/list/progress_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <sstream>
#include <vector>

#include "core/support/list_builder.h"
#include "core/support/recording_busy.h"

namespace qorl {
namespace {

using namespace std::string_literals;
using test::Line;
using test::ListBuilder;
using test::Separator;
using test::SeparatorLine;

struct Scanned {
  ScanStatus status;
  TopicTable table;
};

Scanned Scan(const std::string& bytes, bool parse = true, const std::string& name = "TEST.LST",
             std::int64_t size = -1) {
  std::istringstream in(bytes);
  Scanned result{ScanStatus::Ok, {}};
  NullBusyIndicator busy;
  ScanOptions options{parse, size < 0 ? static_cast<std::int64_t>(bytes.size()) : size, name};
  result.status = ScanTopics(in, options, result.table, busy);
  return result;
}

void ExpectTopic(const TopicTable& t, TopicNumber n, std::string_view id, char category,
                 std::int32_t offset, std::int32_t length, std::string_view title) {
  SCOPED_TRACE("topic " + std::to_string(n));
  ASSERT_TRUE(t.isValid(n));
  EXPECT_EQ(t.identifier(n), id);
  EXPECT_EQ(t.category(n), static_cast<unsigned char>(category));
  EXPECT_EQ(t.record(n).offset, offset);
  EXPECT_EQ(t.record(n).length, length);
  EXPECT_EQ(t.title(n), title);
}

std::string WorkedExample() {
  return ListBuilder()
      .line("Header text")
      .topic('D', "0100", "First topic title", "Body line")
      .topic('D', "0101", "Second topic title")
      .str();
}

TEST(ListScanner, WorkedExample) {
  const std::string bytes = WorkedExample();
  ASSERT_EQ(bytes.size(), 163u);
  const Scanned s = Scan(bytes);
  ASSERT_EQ(s.status, ScanStatus::Ok);
  ASSERT_EQ(s.table.count(), 3);
  ExpectTopic(s.table, 0, "[List Info]", '!', 0, 13, "");
  ExpectTopic(s.table, 1, "0100", 'D', 63, 30, "First topic title");
  ExpectTopic(s.table, 2, "0101", 'D', 143, 20, "Second topic title");
  EXPECT_EQ(s.table.categories().count(), 2u);
  EXPECT_TRUE(s.table.categories().test('!'));
  EXPECT_TRUE(s.table.categories().test('D'));
}

TEST(ListScanner, SeparatorLengthBoundaries) {
  EXPECT_FALSE(IsSeparatorLine(std::string(35, '-')));
  EXPECT_TRUE(IsSeparatorLine(std::string(36, '-')));
  EXPECT_TRUE(IsSeparatorLine(std::string(74, '-')));
  EXPECT_FALSE(IsSeparatorLine(std::string(75, '-')));
  EXPECT_TRUE(IsSeparatorLine(SeparatorLine('D', "0100")));
  std::string brokenTen = SeparatorLine('D', "0100");
  brokenTen[9] = 'x';
  EXPECT_FALSE(IsSeparatorLine(brokenTen));
  std::string brokenFirst = SeparatorLine('D', "0100");
  brokenFirst[0] = ' ';
  EXPECT_FALSE(IsSeparatorLine(brokenFirst));

  // 36 dashes: category '-', empty identifier; 35 and 75 are plain text.
  const Scanned s = Scan(ListBuilder()
                             .line(std::string(35, '-'))
                             .line(std::string(36, '-'))
                             .line("Title")
                             .line(std::string(75, '-'))
                             .str());
  ASSERT_EQ(s.table.count(), 2);
  ExpectTopic(s.table, 0, "[List Info]", '!', 0, 37, "");
  ExpectTopic(s.table, 1, "", '-', 75, 84, "Title");
}

TEST(ListScanner, IdentifierRules) {
  EXPECT_EQ(SeparatorIdentifier(SeparatorLine('D', "0100", 48)), "0100");
  EXPECT_EQ(SeparatorIdentifier(SeparatorLine('!', "--NOTES", 49)), "NOTES");
  EXPECT_EQ(SeparatorIdentifier(SeparatorLine('P', "AB-12", 48)), "AB 12");
  // The line's last character never belongs to the identifier.
  EXPECT_EQ(SeparatorIdentifier("--------D-" + std::string(25, 'x') + "YZ"),
            std::string(25, 'x') + "Y");
  // Tabs inside remain; leading and trailing control characters are trimmed.
  EXPECT_EQ(SeparatorIdentifier("--------D-\tA\tB\t" + std::string(30, '-')), "A\tB");
}

TEST(ListScanner, ShortTopicsAreDroppedExceptTheLast) {
  // A separator at the very start: no list-info topic; two separators in a row drop the first;
  // a topic of one empty line is dropped; the last topic is kept even when it is empty.
  const Scanned s = Scan(ListBuilder()
                             .separator('A', "ONE")
                             .separator('B', "TWO")
                             .line("Two title")
                             .separator('C', "EMPTY")
                             .line("")
                             .separator('D', "LAST")
                             .str());
  ASSERT_EQ(s.table.count(), 2);
  ExpectTopic(s.table, 0, "TWO", 'B', 100, 11, "Two title");
  ExpectTopic(s.table, 1, "LAST", 'D', 213, 0, "");
  EXPECT_FALSE(s.table.categories().test('A'));
  EXPECT_FALSE(s.table.categories().test('C'));
}

TEST(ListScanner, ListInfoNeedsMoreThanTwoBytes) {
  const Scanned emptyLine = Scan(ListBuilder().line("").topic('D', "X", "T").str());
  ASSERT_EQ(emptyLine.table.count(), 1);
  EXPECT_EQ(emptyLine.table.identifier(0), "X");
  EXPECT_EQ(emptyLine.table.record(0).offset, 52);

  const Scanned oneChar = Scan(ListBuilder().line("a").topic('D', "X", "T").str());
  ASSERT_EQ(oneChar.table.count(), 2);
  ExpectTopic(oneChar.table, 0, "[List Info]", '!', 0, 3, "");
}

TEST(ListScanner, BangTopicsHaveNoTitle) {
  const Scanned s = Scan(ListBuilder().topic('!', "NOTES", "not a title", "more").str());
  ASSERT_EQ(s.table.count(), 1);
  ExpectTopic(s.table, 0, "NOTES", '!', 50, 19, "");
}

TEST(ListScanner, TabsInTitlesBecomeBlanksAndNothingIsTrimmed) {
  const Scanned s = Scan(ListBuilder().topic('D', "X", " \tA\tB\t ").str());
  EXPECT_EQ(s.table.title(0), "  A B  ");
}

TEST(ListScanner, WholeFileTopic) {
  const std::string plain = "just text\r\nmore\r\n";
  const Scanned none = Scan(plain, true, "notes.txt");
  ASSERT_EQ(none.table.count(), 1);
  ExpectTopic(none.table, 0, "NOTES.TXT", '-', 0, static_cast<std::int32_t>(plain.size()) - 2, "");
  EXPECT_EQ(none.table.categories().count(), 1u);

  // Not parsed: separators are ignored and the size comes from the directory entry.
  const Scanned off = Scan(WorkedExample(), false, "Lists.lst");
  ASSERT_EQ(off.table.count(), 1);
  ExpectTopic(off.table, 0, "LISTS.LST", '-', 0, 161, "");

  // An empty file gets an empty topic, not a negative length.
  const Scanned empty = Scan("", true, "E.LST");
  ASSERT_EQ(empty.table.count(), 1);
  EXPECT_EQ(empty.table.record(0).length, 0);
}

TEST(ListScanner, CtrlZEndsTheFile) {
  const std::string bytes =
      ListBuilder().topic('D', "A", "Title").raw("abc\x1A").raw("ignored\r\n").str() +
      Separator('D', "B");
  const Scanned s = Scan(bytes);
  ASSERT_EQ(s.table.count(), 1);
  // Title line (7) plus "abc" counted with its two line-end bytes.
  ExpectTopic(s.table, 0, "A", 'D', 50, 12, "Title");

  const Scanned atLineStart = Scan(ListBuilder().topic('D', "A", "Title").raw("\x1Arest").str());
  ExpectTopic(atLineStart.table, 0, "A", 'D', 50, 7, "Title");
}

TEST(ListScanner, LineEndsLfCrAndMixed) {
  auto convert = [](std::string text, const char* ending) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && text[i + 1] == '\n') {
        out += ending;
        ++i;
      } else {
        out += text[i];
      }
    }
    return out;
  };
  for (const char* ending : {"\n", "\r"}) {
    SCOPED_TRACE(ending[0] == '\n' ? "LF" : "CR");
    const Scanned s = Scan(convert(WorkedExample(), ending));
    ASSERT_EQ(s.table.count(), 3);
    ExpectTopic(s.table, 0, "[List Info]", '!', 0, 12, "");
    ExpectTopic(s.table, 1, "0100", 'D', 61, 28, "First topic title");
    ExpectTopic(s.table, 2, "0101", 'D', 138, 19, "Second topic title");
  }
  // A last line without a line end counts as if it had CR LF.
  const Scanned open = Scan(ListBuilder().separator('D', "A").raw("tail").str());
  ExpectTopic(open.table, 0, "A", 'D', 50, 6, "tail");
}

TEST(ListScanner, LinesSpanningReadChunksAndLongLines) {
  // Long titles and a CR LF split across reads still give the exact offsets.
  const std::string longTitle(3'000'000, 'x');
  const std::string bytes = ListBuilder()
                                .line("head")
                                .topic('D', "A", longTitle)
                                .raw(std::string(1048574 - 56, 'y') + "\r\n")
                                .topic('E', "B", "b")
                                .str();
  const Scanned s = Scan(bytes);
  ASSERT_EQ(s.table.count(), 3);
  EXPECT_EQ(s.table.title(1), longTitle);
  EXPECT_EQ(s.table.record(2).offset + s.table.record(2).length,
            static_cast<std::int32_t>(bytes.size()));
  EXPECT_EQ(s.table.title(2), "b");
}

TEST(ListScanner, ProgressRisesByAtMostOnePerLine) {
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes += Line(std::string(40, 'a'));
  std::istringstream in(bytes);
  test::RecordingBusy busy;
  TopicTable table;
  ASSERT_EQ(ScanTopics(in, {true, static_cast<std::int64_t>(bytes.size()), "X.LST"}, table, busy),
            ScanStatus::Ok);
  ASSERT_EQ(busy.progress.size(), 100u);
  for (std::size_t i = 0; i < busy.progress.size(); ++i) EXPECT_EQ(busy.progress[i], int(i) + 1);

  // Progress unit 4 (450 / 100 = 4.5, the half going to the even 4): lines of 100 bytes still
  // raise the bar by only one per line.
  EXPECT_EQ(RoundHalfEven(450, 100), 4);
  EXPECT_EQ(RoundHalfEven(550, 100), 6);
  EXPECT_EQ(RoundHalfEven(549, 100), 5);
  std::string big;
  for (int i = 0; i < 4; ++i) big += Line(std::string(98, 'b'));
  std::istringstream in2(big);
  test::RecordingBusy busy2;
  ScanTopics(in2, {true, 450, "X.LST"}, table, busy2);
  EXPECT_EQ(busy2.progress, (std::vector<int>{1, 2, 3, 4}));
}

TEST(ListScanner, RefusesFilesBeyondTwoGigabytes) {
  const Scanned s = Scan(WorkedExample(), true, "BIG.LST", std::int64_t{1} << 31);
  EXPECT_EQ(s.status, ScanStatus::TooLarge);
  EXPECT_TRUE(s.table.empty());
}

// A stream that fails after handing out some bytes, like a disk error part-way.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::string data) : data_(std::move(data)) {
    setg(data_.data(), data_.data(), data_.data() + data_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string data_;
};

TEST(ListScanner, ReadErrorDiscardsTheTable) {
  FailingBuffer buffer(WorkedExample());
  std::istream in(&buffer);
  TopicTable table;
  NullBusyIndicator busy;
  EXPECT_EQ(ScanTopics(in, {true, 1000, "X.LST"}, table, busy), ScanStatus::ReadFailed);
  EXPECT_TRUE(table.empty());
}

// Zero bytes up to a given count and then a tail, all made up on demand, so that gigabytes pass
// without a file.
class ZerosThenTail : public std::streambuf {
 public:
  ZerosThenTail(std::int64_t zeros, std::string tail) : zeros_(zeros), tail_(std::move(tail)) {
    setg(tail_.data(), tail_.data(), tail_.data());
  }

 protected:
  std::streamsize xsgetn(char* out, std::streamsize count) override {
    const std::streamsize zeros = std::min<std::streamsize>(count, zeros_);
    std::memset(out, 0, static_cast<std::size_t>(zeros));
    zeros_ -= zeros;
    const std::streamsize rest = std::min<std::streamsize>(
        count - zeros, static_cast<std::streamsize>(tail_.size() - given_));
    std::memcpy(out + zeros, tail_.data() + given_, static_cast<std::size_t>(rest));
    given_ += static_cast<std::size_t>(rest);
    return zeros + rest;
  }

 private:
  std::int64_t zeros_;
  std::string tail_;
  std::size_t given_ = 0;
};

TEST(ListScanner, SeparatorWithoutLineEndAtTwoGigabytesIsRefused) {
  // The last topic of a 2^31 - 1 byte file ending in a separator line without line end would
  // start two bytes beyond the end, past what 32 bits can hold.
  const std::string tail = "\r\n" + SeparatorLine('D', "LAST");
  const std::int64_t size = (std::int64_t{1} << 31) - 1;
  ZerosThenTail buffer(size - static_cast<std::int64_t>(tail.size()), tail);
  std::istream in(&buffer);
  TopicTable table;
  NullBusyIndicator busy;
  EXPECT_EQ(ScanTopics(in, {true, size, "BIG.LST"}, table, busy), ScanStatus::TooLarge);
  EXPECT_TRUE(table.empty());
}

TEST(ListScanner, MoreThan65536Topics) {
  std::string bytes;
  bytes.reserve(75'000 * 60);
  for (int i = 0; i < 75'000; ++i) bytes += Separator('T', std::to_string(i)) + Line("t");
  const Scanned s = Scan(bytes);
  ASSERT_EQ(s.table.count(), 75'000);
  ExpectTopic(s.table, 70'000, "70000", 'T', 70'000 * 53 + 50, 3, "t");
}

// The plain reading of the rules: every line in turn through LineReader. The scanner passes over
// most lines unseen, so it must give the same table and progress on any bytes.
Scanned ReadLineByLine(const std::string& bytes, std::int64_t size, std::vector<int>& progress) {
  Scanned result{ScanStatus::Ok, {}};
  TopicTable& table = result.table;
  std::istringstream in(bytes);
  LineReader reader(in, 64);
  const std::int64_t unit = std::max<std::int64_t>(RoundHalfEven(size, 100), 1);
  std::int64_t counted = 0, start = 0, nextAt = unit;
  int percent = 0;
  bool started = false, titlePending = false;
  std::string identifier, title;
  unsigned char category = 0;
  std::string_view line;
  int endBytes = 0;
  while (reader.next(line, endBytes)) {
    counted += reader.lineLength() + endBytes;
    if (counted >= nextAt) {
      nextAt = (++percent + 1) * unit;
      progress.push_back(std::min(percent, 100));
    }
    if (IsSeparatorLine(line)) {
      if (!started) identifier = "[List Info]", category = '!', started = true;
      const std::int64_t lineStart = counted - reader.lineLength() - endBytes;
      if (lineStart - start > 2) {
        table.append(identifier, category, std::int32_t(start), std::int32_t(lineStart - start),
                     title);
      }
      category = static_cast<unsigned char>(line[8]);
      identifier = SeparatorIdentifier(line);
      start = counted;
      title.clear();
      titlePending = category != '!';
    } else if (titlePending) {
      title.assign(line);
      std::replace(title.begin(), title.end(), '\t', ' ');
      titlePending = false;
    }
  }
  if (!started) {
    table.append("TEST.LST", '-', 0, std::int32_t(std::max<std::int64_t>(size - 2, 0)), "");
  } else {
    table.append(identifier, category, std::int32_t(start), std::int32_t(counted - start), title);
  }
  return result;
}

TEST(ListScanner, AgreesWithLineByLineReadingOnRandomBytes) {
  // Pieces that make separator lines, near misses, titles, all kinds of line ends and Ctrl-Z,
  // joined at random and read in chunks that split them anywhere.
  const std::vector<std::string> pieces = {"--------",
                                           "D-",
                                           "!-",
                                           "-",
                                           "--",
                                           "ABC",
                                           "\t",
                                           " ",
                                           "x",
                                           "\r",
                                           "\n",
                                           "\r\n",
                                           "\x1A",
                                           std::string(30, '-'),
                                           std::string(60, '-'),
                                           std::string(90, 'y'),
                                           "21--AH=4Ch-",
                                           "\0"s};
  std::mt19937 random(1234);
  for (int round = 0; round < 400; ++round) {
    std::string bytes;
    const int count = std::uniform_int_distribution<int>(0, 120)(random);
    for (int i = 0; i < count; ++i) {
      std::string piece = pieces[random() % pieces.size()];
      if (piece == "\x1A" && random() % 4 != 0) piece = "\r\n";  // keep most texts going
      bytes += piece;
    }
    const std::int64_t size = static_cast<std::int64_t>(bytes.size()) + round % 3;
    std::vector<int> expectedProgress;
    const Scanned expected = ReadLineByLine(bytes, size, expectedProgress);
    for (const std::size_t readSize : {1, 7, 64, 100}) {
      SCOPED_TRACE("round " + std::to_string(round) + ", reads of " + std::to_string(readSize));
      std::istringstream in(bytes);
      test::RecordingBusy busy;
      TopicTable table;
      ASSERT_EQ(ScanTopics(in, {true, size, "TEST.LST", readSize}, table, busy), ScanStatus::Ok);
      EXPECT_EQ(busy.progress, expectedProgress);
      ASSERT_EQ(table.count(), expected.table.count());
      EXPECT_EQ(table.nameBytes(), expected.table.nameBytes());
      for (TopicNumber n = 0; n < table.count(); ++n) {
        EXPECT_EQ(table.record(n).category, expected.table.record(n).category);
        EXPECT_EQ(table.record(n).offset, expected.table.record(n).offset);
        EXPECT_EQ(table.record(n).length, expected.table.record(n).length);
      }
    }
  }
}

}  // namespace
}  // namespace qorl
