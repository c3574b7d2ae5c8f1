// SPDX-License-Identifier: MIT
// qorl find and qorl ref run as programs: hits and located topics on small lists, their messages
// and exit statuses, and the same on the real INTERRUP.LST when it is there.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "core/search/text_rules.h"
#include "core/support/cli_runner.h"
#include "core/support/list_builder.h"

namespace qorl {
namespace {

using test::CliRun;

class QorlFindRef : public test::CliTest {
 protected:
  // The lines `qorl topics` prints for the list, indexed by topic number.
  std::vector<std::string> topicLines(const std::string& list) {
    const CliRun r = run({"topics", list});
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
    return lines;
  }
};

// Topics 1 to 5 after the list-info topic 0; 0x82 is e acute in code page 437.
const std::string kTitles = test::ListBuilder()
                                .line("Header text")
                                .topic('D', "2100", "INT 21 - DOS 1+ - TERMINATE PROGRAM")
                                .topic('V', "1000", "INT 10 - VIDEO - SET MODE")
                                .topic('D', "214C", "INT 21 - DOS 2+ - EXIT - TERMINATE")
                                .topic('D', "2A00", "DOSKEY - DOS MODE")
                                .topic('U', "2F00", "A_B terminated -- caf\x82")
                                .str();

TEST_F(QorlFindRef, FindPrintsEveryHitInOrderAsTopicLines) {
  const std::string list = dir.write("TITLES.LST", kTitles);
  const std::vector<std::string> lines = topicLines(list);
  ASSERT_EQ(lines.size(), 6u);

  CliRun r = run({"find", list, "terminate"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, lines[1] + lines[3] + lines[5]);
  EXPECT_EQ(r.err, "");
  // Only the first occurrence counts: "terminated" is not the whole word.
  EXPECT_EQ(run({"find", list, "terminate", "--words"}).out, lines[1] + lines[3]);
  // "DOSKEY - DOS MODE": the first DOS lies inside DOSKEY.
  EXPECT_EQ(run({"find", "--words", list, "dos"}).out, lines[1] + lines[3]);
  // The underscore separates words; "2A00" keeps its A inside a word.
  EXPECT_EQ(run({"find", list, "a", "--words", "--case"}).out, "");
  EXPECT_EQ(run({"find", list, "A", "--words", "--case"}).out, lines[5]);
  EXPECT_EQ(run({"find", list, "TERMINATE", "--case"}).out, lines[1] + lines[3]);
  EXPECT_EQ(run({"find", list, "--", "--"}).out, lines[5]);
}

TEST_F(QorlFindRef, FindInOneCategory) {
  const std::string list = dir.write("TITLES.LST", kTitles);
  const std::vector<std::string> lines = topicLines(list);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(run({"find", list, "INT", "--category", "D"}).out, lines[1] + lines[3]);
  EXPECT_EQ(run({"find", list, "int", "--category", "V"}).out, lines[2]);
  // Code 255 is the all-categories view. A Windows command line holds text, not bytes: there
  // the byte is given as the character it stands for in code page 437 (no-break space).
#ifdef _WIN32
  const std::string all = "\xC2\xA0";
#else
  const std::string all = "\xFF";
#endif
  EXPECT_EQ(run({"find", list, "INT", "--category", all}).out, lines[1] + lines[2] + lines[3]);
  const CliRun r = run({"find", list, "INT", "--category", "U"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Search string 'INT' not found\n");
}

TEST_F(QorlFindRef, FindEncodesTheTextToTheListsCodePage) {
  const std::string list = dir.write("TITLES.LST", kTitles);
  const std::vector<std::string> lines = topicLines(list);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(run({"find", list, "CAF\xC3\xA9"}).out, lines[5]);  // UTF-8 e acute
  // Only a to z are folded: E acute is another byte.
  CliRun r = run({"find", list, "CAF\xC3\x89"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Search string 'CAF\xC3\x89' not found\n");
  // The euro sign is not in code page 437 and raw 0x82 is not UTF-8: neither matches.
  EXPECT_EQ(run({"find", list, "caf\xE2\x82\xAC"}).status, 1);
  r = run({"find", list, "caf\x82"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
}

TEST_F(QorlFindRef, FindCommandLineErrors) {
  const std::string list = dir.write("TITLES.LST", kTitles);
  EXPECT_EQ(run({"find", list}).status, 2);
  EXPECT_EQ(run({"find", list, ""}).status, 2);
  EXPECT_EQ(run({"find", list, "a", "b"}).status, 2);
  EXPECT_EQ(run({"find", list, "a", "--exact"}).status, 2);
  EXPECT_EQ(run({"find", list, "a", "--category"}).status, 2);
  EXPECT_EQ(run({"find", list, "a", "--category", "DV"}).status, 2);
  const CliRun r = run({"find", file("NONE.LST"), "a"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Unable to find \"NONE.LST\" !\n");
}

// Topic 0 is the list-info topic, which references never reach.
const std::string kInterrupts =
    test::ListBuilder()
        .line("INT 21 - header text")
        .topic('D', "2100", "INT 21 - DOS 1+ - TERMINATE PROGRAM", "SeeAlso: AH=4Ch")
        .topic('D', "214B", "INT 21 - DOS 2+ - EXEC")
        .topic('U', "214B", "INT 21 - ELRES - INSTALLATION CHECK")
        .topic('D', "214B05", "INT 21 - DOS 5+ - SET EXECUTION STATE")
        .topic('D', "214C", "INT 21 - DOS 2+ - EXIT")
        .topic('W', "2F1607BX0021", "INT 2F - MS Windows - VTDAPI")
        .str();

TEST_F(QorlFindRef, RefLocatesTheTopicAsTheViewerDoes) {
  const std::string list = dir.write("INTERRUP.LST", kInterrupts);
  const auto shown = [&](const char* topic) { return run({"show", list, topic}).out; };

  CliRun r = run({"ref", list, "INT 21/AH=4Ch"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, shown("#5"));
  EXPECT_EQ(r.out, "INT 21 - DOS 2+ - EXIT\r\n");
  EXPECT_EQ(run({"ref", list, "int 2F/AX=1607h/BX=0021h"}).out, shown("#6"));
  // The first topic from number 1 on whose identifier starts with the key.
  EXPECT_EQ(run({"ref", list, "INT 21"}).out, shown("#1"));
  // A title qualifier picks among equal keys and is dropped when nothing fits it.
  EXPECT_EQ(run({"ref", list, "INT 21/AH=4Bh\"elres\""}).out, shown("#3"));
  EXPECT_EQ(run({"ref", list, "INT 21/AX=4B05h\"NOWHERE\""}).out, shown("#4"));
  // Relative references take the interrupt from the topic they are read in.
  EXPECT_EQ(run({"ref", list, "AX=4B05h", "--from", "2100"}).out, shown("#4"));
  EXPECT_EQ(run({"ref", "--from", "21", list, "AH=4Bh"}).out, shown("#2"));
}

TEST_F(QorlFindRef, RefSaysWhyNothingIsShown) {
  const std::string list = dir.write("INTERRUP.LST", kInterrupts);
  CliRun r = run({"ref", list, "INT 13/AH=00h"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Unable to locate topic in current list\n");
  r = run({"ref", list, "PORT 0060"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Unable to locate topic in current list (PORTS.LST not found)\n");
  EXPECT_EQ(run({"ref", list, "OPCODE AAD"}).err, "Topic is not located in current list\n");
  // A key taken from a one-character identifier uses what there is: "2" + "4C  " fits nothing.
  EXPECT_EQ(run({"ref", list, "AH=4Ch", "--from", "2"}).err,
            "Unable to locate topic in current list\n");
  // Text that code page 437 cannot hold fits no topic.
  EXPECT_EQ(run({"ref", list, "INT 21/AH=4Bh\"\xE2\x82\xAC\""}).err,
            "Unable to locate topic in current list\n");

  // Without --from, a relative reference is a wrong command line.
  r = run({"ref", list, "AH=4Bh"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--from"), std::string::npos);
  EXPECT_EQ(run({"ref", list}).status, 2);
  EXPECT_EQ(run({"ref", list, "INT 21", "--from"}).status, 2);
  EXPECT_EQ(run({"ref", list, "INT 21", "--to", "x"}).status, 2);

  // A list without references of its own follows those of the lists beside it.
  const std::string other = dir.write("OPCODES.LST", kInterrupts);
  r = run({"ref", other, "INT 21/AH=4Ch"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "INT 21 - DOS 2+ - EXIT\r\n");
  r = run({"ref", other, "AH=4Ch", "--from", "21"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "References are not followed in this list\n");
  EXPECT_EQ(run({"ref", file("NOTES.TXT"), "INT 21"}).err, "Unable to find \"NOTES.TXT\" !\n");
}

TEST_F(QorlFindRef, RefInThePortsList) {
  const std::string list = dir.write("PORTS.LST", test::ListBuilder()
                                                      .line("Header text")
                                                      .topic('P', "P0040", "PORT 0040-005F - PIT")
                                                      .topic('K', "P0060006F", "PORT 0060-006F")
                                                      .topic('K', "P0060", "PORT 0060 - data")
                                                      .str());
  EXPECT_EQ(run({"ref", list, "PORT 0060-006F"}).out, "PORT 0060-006F\r\n");
  EXPECT_EQ(run({"ref", list, "port 0060"}).out, "PORT 0060-006F\r\n");
  EXPECT_EQ(run({"ref", list, "INT 21"}).err,
            "Unable to locate topic in current list (INTERRUP.LST not found)\n");
}

// A port or address that no identifier names leads to the narrowest block that holds it, in the
// list itself and from another list.
TEST_F(QorlFindRef, RefFallsBackToTheRangeThatHoldsAPortOrAddress) {
  dir.write("PORTS.LST", test::ListBuilder()
                             .line("Header text")
                             .topic('P', "P000000FF", "PORT 0000-00FF - all")
                             .topic('K', "P0060006F", "PORT 0060-006F - keyboard")
                             .topic('K', "P0060006F", "PORT 0060-006F - again")
                             .topic('K', "Pxxxx", "PORT xxxx - anywhere")
                             .topic('K', "P02C002Cx", "PORT 02C0-02Cx - clock")
                             .str());
  dir.write("MEMORY.LST", test::ListBuilder()
                              .line("Header text")
                              .topic('M', "Mxxxxxxx0", "MEM xxxxh:xxx0h - found by search")
                              .topic('M', "MF000xxxx", "MEM F000h:xxxxh - hook")
                              .topic('M', "MF000xxx0", "MEM F000h:xxx0h - table")
                              .str());
  const std::string list =
      dir.write("INTERRUP.LST",
                test::ListBuilder().line("Header text").topic('B', "19", "INT 19 - BOOT").str());
  EXPECT_EQ(run({"ref", list, "PORT 0064h"}).out, "PORT 0060-006F - keyboard\r\n");
  EXPECT_EQ(run({"ref", file("PORTS.LST"), "PORT 0064h"}).out, "PORT 0060-006F - keyboard\r\n");
  EXPECT_EQ(run({"ref", list, "PORT 0092h"}).out, "PORT 0000-00FF - all\r\n");
  EXPECT_EQ(run({"ref", list, "PORT 02CAh"}).out, "PORT 02C0-02Cx - clock\r\n");
  EXPECT_EQ(run({"ref", list, "PORT 0300h"}).err,
            "Unable to locate topic in current list (searched PORTS.LST)\n");
  EXPECT_EQ(run({"ref", list, "MEM F000h:FFF0h"}).out, "MEM F000h:xxx0h - table\r\n");
  EXPECT_EQ(run({"ref", list, "MEM F000h:FFF5h"}).out, "MEM F000h:xxxxh - hook\r\n");
  EXPECT_EQ(run({"ref", list, "MEM 0040h:0010h"}).status, 1);
}

TEST_F(QorlFindRef, HelpDescribesFindAndRef) {
  const CliRun r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("qorl find LIST TEXT [--case] [--words] [--category C]"), std::string::npos);
  EXPECT_NE(r.out.find("qorl ref LIST REFERENCE [--from IDENTIFIER]"), std::string::npos);
  EXPECT_NE(r.out.find("References are not followed"), std::string::npos);
}

// The real interrupt list, copied into the test's folder so that its index is written there.
class QorlFindRefRealList : public QorlFindRef {
 protected:
  void SetUp() override {
    QorlFindRef::SetUp();
    if (IsSkipped()) return;
    const std::string source = std::string(QORL_LISTS_DIR) + "/INTERRUP.LST";
    if (!std::filesystem::exists(source)) GTEST_SKIP() << source << " is not there";
    list = file("INTERRUP.LST");
    std::filesystem::copy_file(source, list);
  }
  std::string list;
};

TEST_F(QorlFindRefRealList, FollowsAReferenceAndFindsTitles) {
  CliRun r = run({"ref", list, "INT 21/AH=4Ch"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, run({"show", list, "214C"}).out);
  EXPECT_EQ(r.out.rfind("INT 21 - ", 0), 0u) << r.out.substr(0, 80);

  r = run({"find", list, "terminate", "--words"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream hits(r.out);
  int count = 0;
  for (std::string line; std::getline(hits, line); ++count) {
    for (char& c : line) c = static_cast<char>(FoldedByte(static_cast<unsigned char>(c)));
    EXPECT_NE(line.find("TERMINATE"), std::string::npos) << line;
  }
  EXPECT_GT(count, 10);
}

// Table references and a reference into PORTS.LST, beside the copy of INTERRUP.LST; the tables
// that `qorl tables` lists are those the references reach.
TEST_F(QorlFindRefRealList, FollowsTablesAndReferencesIntoAnotherList) {
  const std::string ports = std::string(QORL_LISTS_DIR) + "/PORTS.LST";
  if (!std::filesystem::exists(ports)) GTEST_SKIP() << ports << " is not there";
  std::filesystem::copy_file(ports, file("PORTS.LST"));

  CliRun r = run({"tables", list});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("01378\t"), std::string::npos);
  const std::size_t at = r.out.find("01378\t");
  const std::string line = r.out.substr(at, r.out.find('\n', at) - at);
  const std::string identifier = line.substr(line.rfind('\t') + 1);
  EXPECT_EQ(identifier, "2126");  // INT 21/AH=26h
  r = run({"ref", list, "#01378"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out == run({"show", list, identifier}).out);
  EXPECT_NE(r.out.find("(Table 01378)"), std::string::npos);

  r = run({"ref", list, "PORT 0060h"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("PORT 0060", 0), 0u);
  r = run({"ref", list, "#P0219"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("(Table P0219)"), std::string::npos);
  EXPECT_EQ(run({"ref", list, "#P9999"}).err,
            "Unable to locate topic in current list (searched PORTS.LST)\n");
}

}  // namespace
}  // namespace qorl
