// SPDX-License-Identifier: MIT
#include "core/app/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/support/temp_dir.h"

namespace qorl {
namespace {

TEST(ProgramFiles, BesideTheProgramFirstThenTheInstalledDataFolder) {
  test::TempDir dir;
  const std::filesystem::path root(dir.path());
  const std::filesystem::path bin = root / "bin";
  std::filesystem::create_directories(bin);
  const std::string programDir = bin.string() + "/";
  const std::filesystem::path data = InstalledDataFolder(programDir);
  EXPECT_EQ(data, (root / "share/qorl-viewer/").lexically_normal());
  std::filesystem::create_directories(data);

  EXPECT_EQ(ProgramFilePath(programDir, "QORLVIEW.html"), programDir + "QORLVIEW.html");
  dir.write((data / "QORLVIEW.html").lexically_relative(root).string(), "manual");
  EXPECT_EQ(ProgramFilePath(programDir, "QORLVIEW.html"), (data / "QORLVIEW.html").string());
  dir.write("bin/QORLVIEW.html", "own manual");
  EXPECT_EQ(ProgramFilePath(programDir, "QORLVIEW.html"), programDir + "QORLVIEW.html");
}

}  // namespace
}  // namespace qorl
