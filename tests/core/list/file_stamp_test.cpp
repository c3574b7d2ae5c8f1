#include "core/list/file_stamp.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(FileStamp, OddSecondsShareTheirTwoSecondSlot) {
  test::TempDir dir;
  const std::string a = dir.write("a", "");
  const std::string b = dir.write("b", "");
  struct timespec first[2] = {{0, UTIME_OMIT}, {1'000'000'000, 0}};
  struct timespec second[2] = {{0, UTIME_OMIT}, {1'000'000'001, 500'000'000}};
  ASSERT_EQ(::utimensat(AT_FDCWD, a.c_str(), first, 0), 0);
  ASSERT_EQ(::utimensat(AT_FDCWD, b.c_str(), second, 0), 0);
  EXPECT_EQ(ReadFileStamp(a)->dosDateTime, ReadFileStamp(b)->dosDateTime);

  // Times before 1980 have no DOS form: they read as its first day.
  struct timespec early[2] = {{0, UTIME_OMIT}, {86'400 * 365, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, a.c_str(), early, 0), 0);
  EXPECT_EQ(ReadFileStamp(a)->dosDateTime, Dos(1980, 1, 1, 0, 0, 0));
}

}  // namespace
}  // namespace qorl
