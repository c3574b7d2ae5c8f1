// SPDX-License-Identifier: MIT
// One real run of a DOS program through DOSBox, headless: the program is assembled here and
// writes the current drive and its command tail into OUT.TXT, which shows that the command line
// arrived unchanged, that the folder was mounted as the current drive C: and that RunAndWait
// returned only after the DOSBox session had ended.
#include <gtest/gtest.h>

#ifndef _WIN32

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/support/dos_probe.h"
#include "core/tools/dos_runner.h"

namespace qorl {
namespace {

namespace fs = std::filesystem;

TEST(DosboxRun, RunsTheCommandInTheMountedFolderAndWaits) {
  const std::string dosbox = FindDosInterpreter();
  if (dosbox.empty()) GTEST_SKIP() << "dosbox is not installed";
  const char* path = std::getenv("PATH");
  const std::string nasm = FindOnPath("nasm", path != nullptr ? path : "");
  if (nasm.empty()) GTEST_SKIP() << "nasm is not installed";

  const fs::path folder = fs::temp_directory_path() / "qorl dosbox run";
  fs::remove_all(folder);
  fs::create_directories(folder / "home");
  std::ofstream(folder / "probe.asm") << test::DosProbeSource("OUT.TXT");
  int status = -1;
  ASSERT_EQ(RunAndWait(nasm, {"-f", "bin", "-o", "PROBE.COM", "probe.asm"}, folder.string(),
                       nullptr, &status),
            0);
  ASSERT_EQ(status, 0) << "nasm failed";

  // Headless, and DOSBox's generated configuration goes into the test folder, not the user's.
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const char* home = std::getenv("HOME");
  const std::string savedHome = home != nullptr ? home : "";
  setenv("HOME", (folder / "home").c_str(), 1);
  const auto run = DosInvocation("command.com /c probe.com -p -d .", folder.string(), dosbox);
  ASSERT_TRUE(run.has_value());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  bool timedOut = false;
  const auto poll = [&] {
    timedOut = std::chrono::steady_clock::now() > deadline;
    return !timedOut;
  };
  EXPECT_EQ(RunAndWait(run->program, run->arguments, folder.string(), poll), 0);
  if (home != nullptr) {
    setenv("HOME", savedHome.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
  ASSERT_FALSE(timedOut) << "the DOSBox session did not end";

  std::ifstream out(folder / "OUT.TXT", std::ios::binary);
  ASSERT_TRUE(out) << "the DOS program did not run";
  const std::string written((std::istreambuf_iterator<char>(out)),
                            std::istreambuf_iterator<char>());
  EXPECT_EQ(written, "C -p -d .");
  fs::remove_all(folder);
}

}  // namespace
}  // namespace qorl

#else

TEST(DosboxRun, RunsTheCommandInTheMountedFolderAndWaits) {
  GTEST_SKIP() << "on Windows the tools run through COMMAND.COM, not DOSBox";
}

#endif  // _WIN32
