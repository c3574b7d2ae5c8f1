// SPDX-License-Identifier: MIT
// The built-in join against the real COMBINE.COM: both run on copies of the release 61 sections,
// the tool through DOSBox headless, for its four command lines and for sets with sections missing
// at the start, in the middle and at the end and an empty one. Afterwards both folders must hold
// the same files with the same bytes (the list, and the sections -d left), and the list must carry
// the stamp the tool set on it.
#include <gtest/gtest.h>

#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/list/file_stamp.h"
#include "core/support/dos_probe.h"
#include "core/support/temp_dir.h"
#include "core/tools/dos_runner.h"
#include "core/tools/section_join.h"

namespace qorl {
namespace {

namespace fs = std::filesystem;

struct JoinCase {
  const char* name;  // folder name, 8 letters at most
  bool ports;
  bool del;
  std::vector<std::string> missing;
  std::string emptied;  // a section given no bytes
};

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> FolderFiles(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] = test::ReadBytes(entry.path().string());
  }
  return files;
}

void LinkOrCopy(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::create_hard_link(from, to, ec);
  if (ec) fs::copy_file(from, to);
}

TEST(SectionJoinAgainstCombine, SameFilesBytesAndStampForEveryCommandLine) {
  const fs::path sections = fs::path(QORL_LISTS_DIR) / "sections";
  if (!fs::exists(sections / "COMBINE.COM") || !fs::exists(sections / "INTERRUP.A") ||
      !fs::exists(sections / "PORTS.A")) {
    GTEST_SKIP() << "COMBINE.COM and the sections are not in " << sections;
  }
  const std::string dosbox = FindDosInterpreter();
  if (dosbox.empty()) GTEST_SKIP() << "dosbox is not installed";
  const char* path = std::getenv("PATH");
  const std::string nasm = FindOnPath("nasm", path != nullptr ? path : "");
  if (nasm.empty()) GTEST_SKIP() << "nasm is not installed";

  const std::vector<JoinCase> cases = {
      {"ALL", false, false, {}, {}},
      {"PORTS", true, false, {"PORTS.A"}, {}},
      {"DELETE", false, true, {"INTERRUP.A", "INTERRUP.F", "INTERRUP.R"}, "INTERRUP.C"},
      {"PORTSDEL", true, true, {"PORTS.C"}, {}},
  };

  // One writable copy of the sections, each with its own stamp at an odd second (DOS keeps
  // two-second steps); the cases link to it.
  test::TempDir temp;
  const fs::path master = fs::path(temp.path()) / "master";
  fs::create_directories(master);
  std::int64_t when = 963'750'001;  // 16 Jul 2000
  for (const auto& entry : fs::directory_iterator(sections)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("INTERRUP.") || name.starts_with("PORTS.") || name == "COMBINE.COM") {
      fs::copy_file(entry.path(), master / name);
      fs::permissions(master / name, fs::perms::owner_write, fs::perm_options::add);
      const timespec times[2] = {{when, 0}, {when, 0}};
      ASSERT_EQ(utimensat(AT_FDCWD, (master / name).c_str(), times, 0), 0);
      when += 3 * 3600 + 7;
    }
  }
  std::ofstream(master / "stamp.asm") << test::DosStampProbeSource();
  int status = -1;
  ASSERT_EQ(RunAndWait(nasm, {"-f", "bin", "-o", "STAMP.COM", "stamp.asm"}, master.string(),
                       nullptr, &status),
            0);
  ASSERT_EQ(status, 0) << "nasm failed";

  const fs::path dos = fs::path(temp.path()) / "dos";
  const fs::path own = fs::path(temp.path()) / "own";
  std::string batch;
  for (const JoinCase& c : cases) {
    for (const fs::path& side : {dos / c.name, own / c.name}) {
      fs::create_directories(side);
      for (const auto& entry : fs::directory_iterator(master)) {
        const std::string name = entry.path().filename().string();
        if (name == "stamp.asm" || (name == "STAMP.COM" && side.parent_path() == own)) continue;
        if (std::find(c.missing.begin(), c.missing.end(), name) != c.missing.end()) continue;
        if (name == c.emptied) {
          std::ofstream(side / name).close();
          const timespec times[2] = {{when, 0}, {when, 0}};
          ASSERT_EQ(utimensat(AT_FDCWD, (side / name).c_str(), times, 0), 0);
          continue;
        }
        LinkOrCopy(entry.path(), side / name);
      }
    }
    batch += std::string("cd ") + c.name + "\r\nstamp.com" + (c.ports ? " -p" : "") +
             (c.del ? " -d" : "") + " .\r\ncd ..\r\n";
  }
  // A batch run from DOSBox's command line ends the session itself.
  std::ofstream(dos / "RUN.BAT", std::ios::binary) << batch << "exit\r\n";

  // Headless, and DOSBox's generated configuration goes into the test folder, not the user's.
  fs::create_directories(fs::path(temp.path()) / "home");
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const char* home = std::getenv("HOME");
  const std::string savedHome = home != nullptr ? home : "";
  setenv("HOME", temp.file("home").c_str(), 1);
  const auto run = DosInvocation("command.com /c run.bat", dos.string(), dosbox);
  ASSERT_TRUE(run.has_value());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(300);
  bool timedOut = false;
  EXPECT_EQ(RunAndWait(run->program, run->arguments, dos.string(),
                       [&] {
                         timedOut = std::chrono::steady_clock::now() > deadline;
                         return !timedOut;
                       }),
            0);
  if (home != nullptr) {
    setenv("HOME", savedHome.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
  ASSERT_FALSE(timedOut) << "the DOSBox session did not end";

  for (const JoinCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SectionJoinResult result = JoinSections((own / c.name).string(), {c.ports, c.del});
    ASSERT_EQ(result.outcome, SectionJoinOutcome::kJoined) << SectionJoinMessage(result);

    // The time stamp the tool set (its only one) is the list's.
    const std::string stamps = test::ReadBytes((dos / c.name / "STAMP.BIN").string());
    ASSERT_EQ(stamps.size(), 4u) << "the tool did not run or set no stamp";
    const auto byte = [&](int i) { return static_cast<std::uint32_t>(std::uint8_t(stamps[i])); };
    const std::uint32_t toolStamp = (byte(0) | byte(1) << 8) << 16 | byte(2) | byte(3) << 8;
    const auto listStamp = ReadFileStamp(result.listPath);
    ASSERT_TRUE(listStamp.has_value());
    EXPECT_EQ(listStamp->dosDateTime, toolStamp);

    auto expected = FolderFiles(dos / c.name);
    expected.erase("STAMP.COM");
    expected.erase("STAMP.BIN");
    const auto actual = FolderFiles(own / c.name);
    ASSERT_EQ(actual.size(), expected.size());
    for (const auto& [name, bytes] : expected) {
      ASSERT_TRUE(actual.contains(name)) << name;
      EXPECT_TRUE(actual.at(name) == bytes) << name << " differs";
    }
  }
  // The whole release joins to the list it ships with.
  const std::string shipped = test::ReadBytes(QORL_LISTS_DIR "/INTERRUP.LST");
  if (!shipped.empty()) {
    EXPECT_TRUE(test::ReadBytes((own / "ALL" / "INTERRUP.LST").string()) == shipped);
  }
}

}  // namespace
}  // namespace qorl

#else

TEST(SectionJoinAgainstCombine, SameFilesBytesAndStampForEveryCommandLine) {
  GTEST_SKIP() << "COMBINE.COM is compared through DOSBox, which the Windows build does not use";
}

#endif  // _WIN32
