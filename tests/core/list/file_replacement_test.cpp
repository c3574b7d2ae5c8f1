// SPDX-License-Identifier: MIT
#include "core/list/file_replacement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include "core/list/index_file.h"
#include "core/list/temporary_name.h"
#include "core/settings/settings_file_io.h"
#include "core/support/temp_dir.h"
#include "core/support/worked_example.h"

namespace qorl {
namespace {

namespace fs = std::filesystem;

// Temporaries left by writers that were killed are removed at the next write of the same file,
// and for indexes at the next write of any index in their folder; one that a live writer holds,
// and every file whose name does not prove it ours (the user's own copies among them), stay.
TEST(FileReplacement, NextWriteRemovesAbandonedTemporariesOnly) {
  test::TempDir dir;
  const std::string ours = MakeTemporaryName("LIST.qorlv");
  std::string forged = MakeTemporaryName("Qorl Viewer.reg");
  forged.back() = forged.back() == '0' ? '1' : '0';
  const std::vector<std::string> abandoned = {ours, MakeTemporaryName("Qorl Viewer.reg"),
                                              MakeTemporaryName("list.QORLV"),
                                              MakeTemporaryName("OTHER.qorlv")};
  const std::vector<std::string> kept = {"LIST.qorlv.tmp-3k9x",
                                         "LIST.qorlv.tmp-0123456789abc",
                                         "Qorl Viewer.reg.aB3dE9",
                                         "Qorl Viewer.reg.backup",
                                         "Qorl Viewer.reg.orig01",
                                         "Qorl Viewer.reg.bad",
                                         forged,
                                         MakeTemporaryName("OTHER.qorlvx"),
                                         "X" + ours,
                                         ours.substr(0, ours.size() - 1)};
  EXPECT_EQ(TemporaryTargetOf(ours), "LIST.qorlv");
  EXPECT_EQ(TemporaryTargetOf(forged), std::nullopt);
  EXPECT_NE(MakeTemporaryName("LIST.qorlv"), ours);
  const std::string heldName = MakeTemporaryName("LIST.qorlv");
  const std::string held = dir.file(heldName);
  dir.write(heldName, "being written");
  for (const auto& name : abandoned) dir.write(name, "left over");
  for (const auto& name : kept) dir.write(name, "other");
#ifdef _WIN32
  // A file open without delete sharing cannot be removed: a live writer holds it.
  std::ifstream holder(held, std::ios::binary);
  ASSERT_TRUE(holder);
#else
  const int fd = ::open(held.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
#endif

  ASSERT_TRUE(WriteIndex(test::WorkedExampleTable(), dir.file("LIST.qorlv"), FileStamp{}));
  std::string reason;
  ASSERT_TRUE(WriteSettingsFile(dir.file("Qorl Viewer.reg"), "settings", reason)) << reason;
#ifdef _WIN32
  holder.close();
#else
  ::close(fd);
#endif

  for (const auto& name : abandoned) EXPECT_FALSE(fs::exists(dir.file(name))) << name;
  for (const auto& name : kept) EXPECT_TRUE(fs::exists(dir.file(name))) << name;
  EXPECT_TRUE(fs::exists(held));
  EXPECT_EQ(test::ReadBytes(dir.file("Qorl Viewer.reg")), "settings");
  EXPECT_EQ(test::ReadBytes(dir.file("LIST.qorlv")), test::kWorkedIndex);
  // The writes leave no temporaries of their own.
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, kept.size() + 3);
}

}  // namespace
}  // namespace qorl
