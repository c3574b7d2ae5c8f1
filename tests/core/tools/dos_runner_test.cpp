// SPDX-License-Identifier: MIT
#include "core/tools/dos_runner.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/support/platform_skip.h"
#include "core/tools/tool_commands.h"

namespace qorl {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNeedsShell =
    "needs a POSIX shell (/bin/sh); see WindowsRunsCommandsInTheWorkingFolder";

TEST(DosCommandLine, ParsesTheFullAndTheParameterForm) {
  EXPECT_EQ(ParseDosCommandLine("command.com /c combine.com -p ."),
            (DosCommand{false, "combine.com -p ."}));
  EXPECT_EQ(ParseDosCommandLine("COMMAND.COM /k intprint.com abc"),
            (DosCommand{true, "intprint.com abc"}));
  EXPECT_EQ(ParseDosCommandLine("/K intprint.com abc"), (DosCommand{true, "intprint.com abc"}));
  EXPECT_EQ(ParseDosCommandLine(IntprintParameters(false, "")),
            (DosCommand{false, "intprint.com "}));
  EXPECT_EQ(ParseDosCommandLine("combine.com ."), (DosCommand{false, "combine.com ."}));
  EXPECT_EQ(ParseDosCommandLine("command.com /k"), (DosCommand{true, ""}));
  // "/cx" is not the switch.
  EXPECT_EQ(ParseDosCommandLine("/cx y"), (DosCommand{false, "/cx y"}));
}

TEST(DosCommandLine, DosboxRunsTheCommandInTheMountedFolder) {
  const ProcessInvocation combine =
      DosboxInvocation(CombineCommandLine(true, true), "/data/lists", "/usr/bin/dosbox");
  EXPECT_EQ(combine.program, "/usr/bin/dosbox");
  EXPECT_EQ(combine.arguments,
            (std::vector<std::string>{"-noautoexec", "-c", "mount c /data/lists", "-c", "c:", "-c",
                                      "combine.com -p -d .", "-c", "exit"}));

  const std::string intprint =
      std::string(kIntprintProgram) + " " + IntprintParameters(true, "abc");
  const ProcessInvocation keep = DosboxInvocation(intprint, "/my lists");
  EXPECT_EQ(keep.program, "dosbox");
  EXPECT_EQ(keep.arguments, (std::vector<std::string>{"-noautoexec", "-c", "mount c \"/my lists\"",
                                                      "-c", "c:", "-c", "intprint.com abc"}));
}

TEST(DosCommandLine, MissingInterpreterGivesNoInvocation) {
  EXPECT_FALSE(DosInvocation(CombineCommandLine(false, false), "/data", "").has_value());
  EXPECT_NE(DosInterpreterMissingMessage("COMBINE.COM").find("COMBINE.COM"), std::string::npos);
#ifdef _WIN32
  // The command line goes to COMMAND.COM as it is.
  const auto run =
      DosInvocation(CombineCommandLine(true, false), "C:\\lists", "C:\\DOS\\COMMAND.COM");
  ASSERT_TRUE(run.has_value());
  EXPECT_EQ(*run, (ProcessInvocation{"command.com", {"/c combine.com -p ."}}));
  EXPECT_NE(DosInterpreterMissingMessage("COMBINE.COM").find("COMMAND.COM"), std::string::npos);
#else
  const auto run = DosInvocation(CombineCommandLine(false, false), "/data", "/opt/dosbox");
  ASSERT_TRUE(run.has_value());
  EXPECT_EQ(run->program, "/opt/dosbox");
  EXPECT_NE(DosInterpreterMissingMessage("COMBINE.COM").find("dosbox"), std::string::npos);
#endif
}

TEST(DosCommandLine, WindowsWithoutCommandComSaysSo) {
#ifndef _WIN32
  GTEST_SKIP() << "COMMAND.COM is looked for on Windows only";
#else
  if (!FindDosInterpreter().empty()) GTEST_SKIP() << "this Windows has COMMAND.COM";
  EXPECT_FALSE(DosInvocation(CombineCommandLine(false, false), "C:\\").has_value());
#endif
}

// Windows: the runner starts the program with the arguments after it, in the working folder,
// and reports the exit code; what cannot be started is reported with the system's error code.
TEST(ProcessRunner, WindowsRunsCommandsInTheWorkingFolder) {
#ifndef _WIN32
  GTEST_SKIP() << "the Windows process runner (cmd.exe)";
#else
  const fs::path folder = fs::temp_directory_path() / "qorl_run_folder with blank";
  fs::remove_all(folder);
  fs::create_directories(folder);
  int status = -1;
  int polls = 0;
  EXPECT_EQ(RunAndWait(
                "cmd.exe", {"/c", "echo done>out.txt& exit 3"}, folder.string(),
                [&] { return ++polls > 0; }, &status),
            0);
  EXPECT_EQ(status, 3);
  EXPECT_TRUE(fs::exists(folder / "out.txt"));
  EXPECT_NE(RunAndWait("qorl-no-such-program.exe", {}, "", nullptr), 0);
  EXPECT_NE(RunAndWait("cmd.exe", {"/c", "exit 0"}, (folder / "missing").string(), nullptr), 0);
  EXPECT_NE(StartDetached("qorl-no-such-program.exe", {}, ""), 0);
  fs::remove_all(folder);
#endif
}

TEST(DosCommandLine, FindsOnlyExecutableFilesOnThePath) {
  QORL_SKIP_ON_WINDOWS("POSIX execute permissions and ':' in PATH");
  const fs::path root = fs::temp_directory_path() / "qorl_find_on_path";
  fs::remove_all(root);
  fs::create_directories(root / "a");
  fs::create_directories(root / "b");
  fs::create_directories(root / "c" / "dosbox");  // a folder of that name does not count
  std::ofstream(root / "a" / "dosbox") << "not executable";
  std::ofstream(root / "b" / "dosbox") << "#!/bin/sh\n";
  fs::permissions(root / "b" / "dosbox", fs::perms::owner_all);
  const std::string path =
      (root / "c").string() + ":" + (root / "a").string() + ":" + (root / "b").string();
  EXPECT_EQ(FindOnPath("dosbox", path), (root / "b" / "dosbox").string());
  EXPECT_EQ(FindOnPath("dosbox", (root / "a").string()), "");
  EXPECT_EQ(FindOnPath("dosbox", ""), "");
  EXPECT_EQ(FindOnPath("", path), "");
  fs::remove_all(root);
}

TEST(ProcessRunner, WaitsForTheProcessAndPollsMeanwhile) {
  QORL_SKIP_ON_WINDOWS(kNeedsShell);
  const fs::path marker = fs::temp_directory_path() / "qorl_run_and_wait_marker";
  fs::remove(marker);
  int polls = 0;
  int status = -1;
  const std::string script = "sleep 0.2; echo done > '" + marker.string() + "'";
  EXPECT_EQ(RunAndWait(
                "/bin/sh", {"-c", script}, "", [&] { return ++polls > 0; }, &status),
            0);
  // Returned only after the process had finished its work.
  EXPECT_TRUE(fs::exists(marker));
  EXPECT_GT(polls, 0);
  EXPECT_EQ(status, 0);
  fs::remove(marker);

  EXPECT_EQ(RunAndWait("sh", {"-c", "exit 3"}, "", nullptr, &status), 0);
  EXPECT_EQ(status, 3);
  EXPECT_EQ(RunAndWait("/bin/sh", {"-c", "kill -9 $$"}, "", nullptr, &status), 0);
  EXPECT_EQ(status, 128 + 9);
}

TEST(ProcessRunner, RunsInTheWorkingFolder) {
  QORL_SKIP_ON_WINDOWS(kNeedsShell);
  const fs::path folder = fs::temp_directory_path() / "qorl_run_folder with blank";
  fs::remove_all(folder);
  fs::create_directories(folder);
  int status = -1;
  EXPECT_EQ(RunAndWait("/bin/sh", {"-c", "pwd > out.txt"}, folder.string(), nullptr, &status), 0);
  EXPECT_EQ(status, 0);
  std::ifstream out(folder / "out.txt");
  std::string line;
  std::getline(out, line);
  EXPECT_EQ(fs::canonical(line), fs::canonical(folder));
  fs::remove_all(folder);
}

TEST(ProcessRunner, ReportsWhatCannotStart) {
  QORL_SKIP_ON_WINDOWS(kNeedsShell);
  EXPECT_EQ(RunAndWait("/nonexistent/qorl-no-such-program", {}, "", nullptr), ENOENT);
  EXPECT_EQ(RunAndWait("qorl-no-such-program", {}, "", nullptr), ENOENT);
  EXPECT_NE(RunAndWait("/bin/sh", {"-c", "exit 0"}, "/nonexistent/folder", nullptr), 0);
  EXPECT_EQ(StartDetached("/nonexistent/qorl-no-such-program", {}, ""), ENOENT);
  EXPECT_EQ(StartDetached("qorl-no-such-program", {}, ""), ENOENT);
  EXPECT_NE(StartDetached("/bin/sh", {"-c", "exit 0"}, "/nonexistent/folder"), 0);
}

TEST(ProcessRunner, StopsWaitingWhenThePollSaysSo) {
  QORL_SKIP_ON_WINDOWS(kNeedsShell);
  int polls = 0;
  EXPECT_EQ(RunAndWait("/bin/sh", {"-c", "sleep 0.2"}, "", [&] { return ++polls < 2; }), 0);
  EXPECT_EQ(polls, 2);
}

TEST(ProcessRunner, DetachedProcessRunsOnItsOwn) {
  QORL_SKIP_ON_WINDOWS(kNeedsShell);
  const fs::path folder = fs::temp_directory_path() / "qorl_detached";
  fs::remove_all(folder);
  fs::create_directories(folder);
  ASSERT_EQ(StartDetached("sh", {"-c", "echo started > done.txt"}, folder.string()), 0);
  // The program does not wait; the file appears once the process has run.
  for (int i = 0; i < 500 && !fs::exists(folder / "done.txt"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(fs::exists(folder / "done.txt"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace qorl
