// SPDX-License-Identifier: MIT
#include "core/list/file_stamp.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "core/support/temp_dir.h"

namespace qorl {
namespace {

std::uint32_t Dos(int year, int month, int day, int hour, int minute, int second) {
  return (static_cast<std::uint32_t>(year - 1980) << 25) |
         (static_cast<std::uint32_t>(month) << 21) | (static_cast<std::uint32_t>(day) << 16) |
         (static_cast<std::uint32_t>(hour) << 11) | (static_cast<std::uint32_t>(minute) << 5) |
         static_cast<std::uint32_t>(second / 2);
}

TEST(FileStamp, MissingFileHasNoStamp) {
  test::TempDir dir;
  EXPECT_FALSE(ReadFileStamp(dir.file("nothing")));
  EXPECT_FALSE(ReadFileStamp(dir.path()));  // a folder is not a file
}

TEST(FileStamp, AppliedStampReadsBackWithSizeAndReadOnly) {
  test::TempDir dir;
  const std::string path = dir.write("a.lst", "12345");
  const FileStamp wanted{Dos(2000, 7, 14, 13, 45, 58), 0, true, {}};
  ASSERT_TRUE(ApplyFileStamp(path, wanted));
  auto got = ReadFileStamp(path);
  ASSERT_TRUE(got);
  EXPECT_EQ(got->dosDateTime, wanted.dosDateTime);
  EXPECT_EQ(got->size, 5);
  EXPECT_TRUE(got->readOnly);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & S_IWUSR, 0u);

  // Two seconds later is a different stamp; clearing read-only restores the owner's write bit.
  ASSERT_TRUE(ApplyFileStamp(path, FileStamp{Dos(2000, 7, 14, 13, 46, 0), 0, false, {}}));
  got = ReadFileStamp(path);
  ASSERT_TRUE(got);
  EXPECT_NE(got->dosDateTime, wanted.dosDateTime);
  EXPECT_FALSE(got->readOnly);
}

// Sets the file's last-write time to the given seconds (and fraction) since 1970 (UTC).
void SetWriteTime(const std::string& path, std::chrono::nanoseconds sinceEpoch) {
  const std::chrono::sys_time<std::chrono::nanoseconds> when{sinceEpoch};
  std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(when));
}

TEST(FileStamp, OddSecondsShareTheirTwoSecondSlot) {
  using std::chrono::seconds;
  test::TempDir dir;
  const std::string a = dir.write("a", "");
  const std::string b = dir.write("b", "");
  SetWriteTime(a, seconds(1'000'000'000));
  SetWriteTime(b, seconds(1'000'000'001) + std::chrono::milliseconds(500));
  EXPECT_EQ(ReadFileStamp(a)->dosDateTime, ReadFileStamp(b)->dosDateTime);

  // Times before 1980 have no DOS form: they read as its first day.
  SetWriteTime(a, seconds(86'400 * 365));
  EXPECT_EQ(ReadFileStamp(a)->dosDateTime, Dos(1980, 1, 1, 0, 0, 0));
}

}  // namespace
}  // namespace qorl
