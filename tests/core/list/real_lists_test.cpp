// SPDX-License-Identifier: MIT
// The list library on the real list files, when they are present.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "core/list/index_file.h"
#include "core/list/list_scanner.h"
#include "core/list/list_session.h"
#include "core/support/recording_busy.h"
#include "core/support/recording_messages.h"
#include "core/support/temp_dir.h"

namespace qorl {
namespace {

namespace fs = std::filesystem;

bool IsIndexFile(const fs::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".qorlv";
}

std::vector<fs::path> RealLists() {
  std::vector<fs::path> lists;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(QORL_LISTS_DIR, ec)) {
    // Index files lying beside the lists are not lists.
    if (entry.is_regular_file() && !IsIndexFile(entry.path())) lists.push_back(entry.path());
  }
  std::sort(lists.begin(), lists.end());
  return lists;
}

void ExpectSameTable(const TopicTable& a, const TopicTable& b) {
  ASSERT_EQ(a.count(), b.count());
  for (TopicNumber n = 0; n < a.count(); ++n) {
    ASSERT_EQ(a.identifier(n), b.identifier(n)) << n;
    ASSERT_EQ(a.title(n), b.title(n)) << n;
    ASSERT_EQ(a.category(n), b.category(n)) << n;
    ASSERT_EQ(a.record(n).offset, b.record(n).offset) << n;
    ASSERT_EQ(a.record(n).length, b.record(n).length) << n;
  }
  EXPECT_EQ(a.categories(), b.categories());
}

TEST(RealLists, IndexThenReloadGivesTheSameTable) {
  const auto lists = RealLists();
  if (lists.empty()) GTEST_SKIP() << "no list files in " << QORL_LISTS_DIR;
  test::TempDir dir;
  for (const fs::path& source : lists) {
    SCOPED_TRACE(source.string());
    const std::string list = dir.file(source.filename().string());
    fs::copy_file(source, list);
    test::RecordingBusy busy;
    test::RecordingMessages messages;
    ListSession session;
    ASSERT_EQ(session.open(list, {}, busy, messages), OpenOutcome::Opened);
    ASSERT_EQ(session.source(), TopicSource::Scan);
    const TopicTable scanned = session.topics();
    ASSERT_GT(scanned.count(), 0);
    // The last topic ends at the end of the file; a whole-file topic 2 bytes before it.
    const auto& last = scanned.record(scanned.count() - 1);
    const bool wholeFile = scanned.count() == 1 && scanned.category(0) == '-';
    EXPECT_EQ(last.offset + last.length + (wholeFile ? 2 : 0),
              static_cast<std::int64_t>(fs::file_size(list)));

    ASSERT_EQ(session.open(list, {}, busy, messages), OpenOutcome::Opened);
    ASSERT_EQ(session.source(), TopicSource::Index);
    ExpectSameTable(scanned, session.topics());
    EXPECT_EQ(test::ReadBytes(session.indexPath()), FormatIndex(scanned));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(busy.depth, 0);
  }
}

TEST(RealLists, InterruptListTableStaysSmall) {
  const std::string path = std::string(QORL_LISTS_DIR) + "/INTERRUP.LST";
  if (!fs::exists(path)) GTEST_SKIP() << path << " absent";
  std::ifstream in(path, std::ios::binary);
  TopicTable table;
  NullBusyIndicator busy;
  const auto size = static_cast<std::int64_t>(fs::file_size(path));
  ASSERT_EQ(ScanTopics(in, {true, size, "INTERRUP.LST"}, table, busy), ScanStatus::Ok);
  const std::size_t indexSize = FormatIndex(table).size();
  EXPECT_LE(table.memoryBytes(), 2 * indexSize)
      << table.memoryBytes() << " bytes of table for an index of " << indexSize;
}

}  // namespace
}  // namespace qorl
