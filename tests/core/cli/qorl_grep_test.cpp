// SPDX-License-Identifier: MIT
// qorl grep run as a program: topic lines of the topics whose text holds the search text, the
// lists of a folder with --all-lists, statuses and messages; on the real lists it agrees with a
// plain topic-by-topic check.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "core/app/list_menu.h"
#include "core/list/ascii.h"
#include "core/list/list_session.h"
#include "core/search/byte_pattern.h"
#include "core/support/cli_runner.h"
#include "core/support/list_builder.h"
#include "core/support/recording_messages.h"

namespace qorl {
namespace {

using test::CliRun;

const std::string kList = test::ListBuilder()
                              .topic('D', "2100", "INT 21 - DOS", "uses the XMS handle table")
                              .topic('D', "2101", "INT 21 - XMSX", "nothing here")
                              .topic('P', "0060", "PORT 0060", "keyboard controller 8042")
                              .str();

class QorlGrep : public test::CliTest {};

TEST_F(QorlGrep, PrintsTheTopicsWhoseTextHoldsTheText) {
  const std::string list = dir.write("A.LST", kList);
  dir.write("b.lst", test::ListBuilder().topic('M', "0040", "MEM 0040h", "xms").str());
  dir.write("NOTES.TXT", kList);
  std::filesystem::create_directory(file("DIR.LST"));
  const CliRun topics = run({"topics", list});
  std::istringstream in(topics.out);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
  ASSERT_EQ(lines.size(), 3u);

  CliRun r = run({"grep", list, "xms"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, lines[0] + lines[1]);
  EXPECT_EQ(run({"grep", list, "xms", "--words"}).out, lines[0]);
  EXPECT_EQ(run({"grep", "--case", list, "xms"}).status, 1);
  EXPECT_EQ(run({"grep", list, "8042", "--all-lists"}).out, "A.LST\t" + lines[2]);
  // Every list file of the folder, in the menu's order; not NOTES.TXT, not a folder.
  r = run({"grep", list, "XMS", "--all-lists", "--words"});
  EXPECT_EQ(r.out, "A.LST\t" + lines[0] + "b.lst\t" + run({"topics", file("b.lst")}).out);
  EXPECT_EQ(r.status, 0) << r.err;

  r = run({"grep", list, "zzz"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Search string 'zzz' not found\n");
  // The euro sign is not in code page 437: nothing matches.
  EXPECT_EQ(run({"grep", list, "\xE2\x82\xAC"}).status, 1);
  EXPECT_EQ(run({"grep", list}).status, 2);
  EXPECT_EQ(run({"grep", list, ""}).status, 2);
  EXPECT_EQ(run({"grep", list, "x", "--all"}).status, 2);
}

// Every real list, copied into the test's folder (their indexes are written there).
TEST_F(QorlGrep, AgreesWithAPlainCheckOnEveryRealList) {
  const std::vector<std::string> names = ListFileNames(QORL_LISTS_DIR);
  if (names.empty()) GTEST_SKIP() << QORL_LISTS_DIR << " holds no lists";
  for (const std::string& name : names)
    std::filesystem::copy_file(std::string(QORL_LISTS_DIR) + "/" + name, file(name));

  struct Topic {
    std::string list;
    TopicNumber number;
    std::string text;
  };
  std::vector<Topic> topics;
  for (const std::string& name : names) {
    ListSession session;
    test::RecordingMessages messages;
    NullBusyIndicator busy;
    ASSERT_EQ(session.open(file(name), {}, busy, messages), OpenOutcome::Opened) << name;
    for (TopicNumber n = 0; n < session.topics().count(); ++n) {
      topics.push_back({name, n, {}});
      ASSERT_EQ(session.readTopic(n, topics.back().text), ReadTopicResult::Ok);
    }
  }
  std::set<std::string> listed;
  for (const char* text : {"8042", "XMS handle", "Int 21", "e"}) {
    for (const bool caseSensitive : {false, true}) {
      for (const bool wholeWords : {false, true}) {
        SCOPED_TRACE(testing::Message() << text << caseSensitive << wholeWords);
        std::set<std::pair<std::string, TopicNumber>> expected;
        const std::string pattern = caseSensitive ? text : AsciiUpper(text);
        for (const Topic& topic : topics) {
          const std::string t = caseSensitive ? topic.text : AsciiUpper(topic.text);
          for (std::size_t at = t.find(pattern); at != std::string::npos;
               at = t.find(pattern, at + 1)) {
            if (!wholeWords || IsWholeWordAt(t, at, pattern.size())) {
              expected.insert({topic.list, topic.number});
              break;
            }
          }
        }
        // A repeated --all-lists stands in for an option left out.
        const CliRun r =
            run({"grep", file(names[0]), text, "--all-lists",
                 caseSensitive ? "--case" : "--all-lists", wholeWords ? "--words" : "--all-lists"});
        ASSERT_EQ(r.status, expected.empty() ? 1 : 0) << r.err;
        std::set<std::pair<std::string, TopicNumber>> found;
        std::istringstream out(r.out);
        for (std::string line; std::getline(out, line);) {
          const std::size_t tab = line.find('\t');
          found.insert({line.substr(0, tab), std::stoi(line.substr(tab + 1))});
          listed.insert(line.substr(0, tab));
        }
        EXPECT_EQ(found, expected);
      }
    }
  }
  EXPECT_EQ(listed.size(), names.size());
}

}  // namespace
}  // namespace qorl
