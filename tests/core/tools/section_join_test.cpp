// SPDX-License-Identifier: MIT
// The built-in join of the section files: how a section's first line sets the count, which
// sections are taken and when joining stops, the stamp, and that no failure loses data.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/list/file_stamp.h"
#include "core/support/temp_dir.h"
#include "core/tools/section_join.h"

namespace qorl {
namespace {

namespace fs = std::filesystem;

std::optional<unsigned> CountOf(std::string_view bytes, bool ports, bool bytewise = false) {
  SectionHeaderReader reader(ports);
  if (bytewise) {
    for (const char c : bytes) reader.feed(std::string_view(&c, 1));
  } else {
    reader.feed(bytes);
  }
  return reader.count();
}

TEST(SectionJoin, HeaderCountIsReadAsTheToolReadsIt) {
  const struct {
    const char* bytes;
    bool ports;
    std::optional<unsigned> count;
  } cases[] = {
      {"Interrupt List, part 2 of 18\r\nCopyright", false, 18u},
      {"Ports List, part 3 of 3\r\n", true, 3u},
      {"Interrupt List, part 9 of 4\r\n", false, 4u},         // the part number is not read
      {"Interrupt List, part 2 ox 4x\r\n", false, 4u},        // any three bytes after the blank
      {"Interrupt List, part 24\r\nxx of 5\r\n", false, 5u},  // the word runs to a blank
      {"Interrupt List, part 2 of 260\r\n", false, 4u},       // modulo 256
      {"Interrupt List, part 2of 4\r\nbody\r\n", false, 0u},  // no digits: 0
      {"Interrupt List, part 2 of  4\r\n", false, 0u},
      {"Interrupt List, part 2 of 4", false, 4u},  // digits up to the end
      {"Interrupt List, Part 2 of 4\r\n", false, std::nullopt},
      {"Interrupt List, part 2 of 4\r\n", true, std::nullopt},
      {"Interrupt List\tRelease 61\r\n", false, std::nullopt},
      {"", false, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountOf(c.bytes, c.ports), c.count) << c.bytes;
    EXPECT_EQ(CountOf(c.bytes, c.ports, true), c.count) << c.bytes << " (byte by byte)";
  }
}

TEST(SectionJoin, TakesThePresentSectionsUpToTheCountWithTheLastStamp) {
  test::TempDir dir;
  dir.write("INTERRUP.A", "a\r\n");
  dir.write("INTERRUP.B", "Interrupt List, part 2 of 4\r\n");
  dir.write("interrup.d", "d\r\n");  // C is missing; names in any case
  dir.write("INTERRUP.E", "e\r\n");  // after the count: left alone
  const FileStamp old{0x2CF0'6000u | 3u, 0, false, std::nullopt};  // 16 Jul 2002, 12:00:06
  ASSERT_TRUE(ApplyFileStamp(dir.file("interrup.d"), old));
  const SectionJoinResult r = JoinSections(dir.path(), {false, true});
  ASSERT_EQ(r.outcome, SectionJoinOutcome::kJoined);
  EXPECT_EQ(r.tried,
            (std::vector<std::string>{"INTERRUP.A", "INTERRUP.B", "INTERRUP.C", "INTERRUP.D"}));
  EXPECT_EQ(r.taken, (std::vector<bool>{true, true, false, true}));
  EXPECT_EQ(test::ReadBytes(dir.file("INTERRUP.LST")), "a\r\nInterrupt List, part 2 of 4\r\nd\r\n");
  EXPECT_EQ(ReadFileStamp(dir.file("INTERRUP.LST"))->dosDateTime, old.dosDateTime);
  EXPECT_FALSE(fs::exists(dir.file("INTERRUP.A")) || fs::exists(dir.file("interrup.d")));
  EXPECT_TRUE(fs::exists(dir.file("INTERRUP.E")));

  // Without any count every name through Z is tried; an existing list keeps its spelling.
  dir.write("ports.lst", "old");
  dir.write("PORTS.Y", "y");
  const SectionJoinResult p = JoinSections(dir.path(), {true, false});
  EXPECT_EQ(p.tried.size(), 26u);
  EXPECT_EQ(test::ReadBytes(dir.file("ports.lst")), "y");
  EXPECT_FALSE(fs::exists(dir.file("PORTS.LST")) &&
               !fs::equivalent(dir.file("PORTS.LST"), dir.file("ports.lst")));
}

TEST(SectionJoin, NoFailureLosesTheOldListOrASection) {
  test::TempDir dir;
  dir.write("INTERRUP.LST", "old list");
  // No sections: the tool would empty the list; it stays.
  EXPECT_EQ(JoinSections(dir.path(), {false, true}).outcome, SectionJoinOutcome::kNoSections);
  EXPECT_EQ(test::ReadBytes(dir.file("INTERRUP.LST")), "old list");

  dir.write("INTERRUP.A", "a");
#ifdef __linux__
  // A section that opens but cannot be read: nothing written, nothing deleted.
  fs::create_symlink("/proc/self/mem", dir.file("INTERRUP.B"));
  const SectionJoinResult unreadable = JoinSections(dir.path(), {false, true});
  EXPECT_EQ(unreadable.outcome, SectionJoinOutcome::kReadFailed);
  EXPECT_EQ(test::ReadBytes(dir.file("INTERRUP.LST")), "old list");
  EXPECT_TRUE(fs::exists(dir.file("INTERRUP.A")));
  fs::remove(dir.file("INTERRUP.B"));
#endif
  // The list cannot be replaced (here a folder of that name): the sections stay.
  fs::create_directory(dir.file("PORTS.LST"));
  dir.write("PORTS.A", "p");
  const SectionJoinResult unwritable = JoinSections(dir.path(), {true, true});
  EXPECT_EQ(unwritable.outcome, SectionJoinOutcome::kWriteFailed);
  EXPECT_FALSE(SectionJoinMessage(unwritable).empty());
  EXPECT_TRUE(fs::exists(dir.file("PORTS.A")));
  EXPECT_TRUE(fs::is_directory(dir.file("PORTS.LST")));
}

}  // namespace
}  // namespace qorl
