// SPDX-License-Identifier: MIT
#include "core/list/index_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/support/recording_busy.h"
#include "core/support/temp_dir.h"
#include "core/support/worked_example.h"

namespace qorl {
namespace {

using test::kWorkedIndex;
using test::WorkedExampleTable;

void ExpectSameTable(const TopicTable& a, const TopicTable& b) {
  ASSERT_EQ(a.count(), b.count());
  for (TopicNumber n = 0; n < a.count(); ++n) {
    SCOPED_TRACE("topic " + std::to_string(n));
    EXPECT_EQ(a.identifier(n), b.identifier(n));
    EXPECT_EQ(a.title(n), b.title(n));
    EXPECT_EQ(a.category(n), b.category(n));
    EXPECT_EQ(a.record(n).offset, b.record(n).offset);
    EXPECT_EQ(a.record(n).length, b.record(n).length);
  }
  EXPECT_EQ(a.categories(), b.categories());
}

TEST(IndexFile, FormatsTheWorkedExampleByteForByte) {
  EXPECT_EQ(FormatIndex(WorkedExampleTable()), kWorkedIndex);
  EXPECT_EQ(FormatIndex(TopicTable{}), "");
}

TEST(IndexFile, ParsesWhatItFormatsIncludingHighBytesAndLineEndVariants) {
  TopicTable table = WorkedExampleTable();
  table.append("\xB0 x", 0xFE, 2147483000, 2147483647, "caf\x82\t");
  NullBusyIndicator busy;
  TopicTable back;
  ASSERT_EQ(ParseIndex(FormatIndex(table), back, busy), IndexLoad::Loaded);
  ExpectSameTable(table, back);

  // Lone CR, lone LF, a missing last line end and a byte 0 ending the text.
  const std::string variants =
      "[List Info]\x14!\x15"
      "0\x16"
      "13\x17\x18\x1F\n"
      "0100\x14"
      "D\x15"
      "63\x16"
      "30\x17\x18\x1F"
      "First topic title\r"
      "0101\x14"
      "D\x15"
      "143\x16"
      "20\x17\x18\x1F"
      "Second topic title";
  ASSERT_EQ(ParseIndex(variants, back, busy), IndexLoad::Loaded);
  ExpectSameTable(WorkedExampleTable(), back);
  std::string withZero = kWorkedIndex;
  withZero.push_back('\0');
  withZero.append("junk");
  ASSERT_EQ(ParseIndex(withZero, back, busy), IndexLoad::Loaded);
  EXPECT_EQ(back.count(), 3);
}

TEST(IndexFile, DamagedLinesAreRejected) {
  const std::string good =
      "A\x14"
      "D\x15"
      "1\x16"
      "2\x17\x18\x1FT\r\n";
  const char* damaged[] = {
      "A D 1 2 T\r\n",  // no field marks
      "A\x14\r\n",      // no category character
      "A\x14"
      "D\x15"
      "x1\x16"
      "2\x17\x18\x1FT\r\n",  // offset not a number
      "A\x14"
      "D\x15"
      "1\x16"
      "\x17\x18\x1FT\r\n",  // empty length
      "A\x14"
      "D\x15"
      "-1\x16"
      "2\x17\x18\x1FT\r\n",  // negative offset
      "A\x14"
      "D\x15"
      "1\x16"
      "99999999999\x17\x18\x1FT\r\n",  // length beyond 32 bits
      "A\x14"
      "D\x15"
      "1\x16"
      "2\x17\x18T\r\n",  // no title mark
      "\r\n",            // an empty line
  };
  NullBusyIndicator busy;
  for (const char* line : damaged) {
    SCOPED_TRACE(line);
    TopicTable table;
    std::string bytes = good;
    bytes.append(line).append(good);
    EXPECT_EQ(ParseIndex(bytes, table, busy), IndexLoad::Damaged);
    EXPECT_TRUE(table.empty());
  }
  // Millions of empty lines are refused before room is claimed for them.
  TopicTable table;
  EXPECT_EQ(ParseIndex(std::string(4'000'000, '\r'), table, busy), IndexLoad::Damaged);
  EXPECT_LT(table.memoryBytes(), std::size_t{1} << 20);
}

TEST(IndexFile, ProgressOnlyForLargeIndexes) {
  TopicTable table;
  for (int i = 0; i < 989; ++i) table.append(std::to_string(i), 'A', i, 1, "t");
  const std::string big = FormatIndex(table);
  test::RecordingBusy busy;
  TopicTable back;
  ASSERT_EQ(ParseIndex(big, back, busy), IndexLoad::Loaded);
  EXPECT_TRUE(busy.progressShown);  // step round(988 / 25) = 40
  EXPECT_EQ(busy.progress.size(), 25u);
  EXPECT_EQ(busy.progress.back(), 100);

  std::string small;
  for (TopicNumber n = 0; n < 988; ++n) AppendIndexLine(small, table, n);
  test::RecordingBusy quiet;
  ASSERT_EQ(ParseIndex(small, back, quiet), IndexLoad::Loaded);
  EXPECT_FALSE(quiet.progressShown);  // step round(987 / 25) = 39
}

TEST(IndexFile, WriteReplacesTheOldIndexAndCopiesStampAndReadOnly) {
  test::TempDir dir;
  const std::string path = dir.write("LIST.qorlv", "old contents that are longer than the new");
  ::chmod(path.c_str(), 0444);
  const FileStamp stamp{
      (44u << 25) | (3u << 21) | (15u << 16) | (10u << 11) | (20u << 5) | 7u, 0, true, {}};
  ASSERT_TRUE(WriteIndex(WorkedExampleTable(), path, stamp));
  EXPECT_EQ(test::ReadBytes(path), kWorkedIndex);
  const auto written = ReadFileStamp(path);
  ASSERT_TRUE(written);
  EXPECT_EQ(written->dosDateTime, stamp.dosDateTime);
  EXPECT_TRUE(written->readOnly);
  // Nothing but the index is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);

  TopicTable back;
  NullBusyIndicator busy;
  EXPECT_EQ(LoadIndex(path, back, busy), IndexLoad::Loaded);
  ExpectSameTable(WorkedExampleTable(), back);
  EXPECT_EQ(LoadIndex(dir.file("missing.qorlv"), back, busy), IndexLoad::Unreadable);
}

}  // namespace
}  // namespace qorl
