// SPDX-License-Identifier: MIT
// "Referenced by" against following every link forward: on the real lists the reverse index and
// `qorl refs-to` must give exactly the references that resolving each link of each topic gives,
// with every reference followed and with only the offered see-also items; on a small folder,
// which references count in each mode and when the index is out of date.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "core/app/list_menu.h"
#include "core/browse/reverse_references.h"
#include "core/browse/topic_format.h"
#include "core/list/list_kind.h"
#include "core/support/cli_runner.h"
#include "core/support/list_builder.h"
#include "core/support/recording_messages.h"
#include "core/support/temp_dir.h"

namespace qorl {
namespace {

// source list, source topic, reference start, length, target list, target topic
using Edge =
    std::tuple<std::string, TopicNumber, std::uint32_t, std::uint32_t, std::string, TopicNumber>;

std::vector<std::string> ListsOf(const std::string& folder) {
  std::vector<std::string> paths;
  for (const std::string& name : ListFileNames(folder))
    paths.push_back(NormalListPath((std::filesystem::path(folder) / name).string()));
  return paths;
}

// Every link of every topic followed one by one, as a click follows it.
std::set<Edge> ForwardEdges(const std::string& folder, bool followAll) {
  test::RecordingMessages messages;
  NullBusyIndicator busy;
  ListShelf shelf(OpenOptions{}, busy, messages);
  std::set<Edge> edges;
  std::map<std::string, std::pair<std::string, TopicNumber>> memo;
  std::string bytes;
  for (const std::string& path : ListsOf(folder)) {
    const ListSession* list = shelf.list(path);
    if (!list) continue;
    const TopicTable& table = list->topics();
    const int kind = ListKindOf(path);
    FormatSettings settings;
    settings.followAllReferences = followAll;
    for (TopicNumber n = 0; n < table.count(); ++n) {
      if (list->readTopic(n, bytes) != ReadTopicResult::Ok) ADD_FAILURE() << path << " #" << n;
      const std::string text = DisplayTextOf(bytes);
      const FormattedTopic formatted =
          FormatTopic(text, table.title(n), kind, list->parseTopics(), settings);
      std::vector<std::pair<std::size_t, std::size_t>> links;
      for (std::size_t i = 0; i < formatted.seeAlsoEntries.size(); ++i)
        links.emplace_back(formatted.seeAlsoEntryPositions[i], formatted.seeAlsoEntries[i].size());
      for (const FormatSpan& span : formatted.spans)
        if (span.link && !span.seeAlsoItem) links.emplace_back(span.start, span.length);
      for (const auto& [start, length] : links) {
        const std::string reference = text.substr(start, length);
        // Only a relative reference reads the topic it stands in.
        std::string key = path + '\n' + reference;
        if (reference.find('=') == 2) key += '\n' + std::string(table.identifier(n));
        auto it = memo.find(key);
        if (it == memo.end()) {
          std::pair<std::string, TopicNumber> to{"", -1};
          if (followAll) {
            const FollowedReference f =
                FollowReference(shelf, path, reference, table.identifier(n));
            if (f.target.outcome == ReferenceOutcome::Found)
              to = {NormalListPath(f.listPath), f.target.topic};
          } else if (kind >= 1 && kind <= 7) {
            const ReferenceTarget t = ResolveAndLocate(table, reference, kind, table.identifier(n));
            if (t.outcome == ReferenceOutcome::Found) to = {path, t.topic};
          }
          it = memo.emplace(key, to).first;
        }
        if (it->second.second >= 0)
          edges.emplace(path, n, static_cast<std::uint32_t>(start),
                        static_cast<std::uint32_t>(length), it->second.first, it->second.second);
      }
    }
  }
  return edges;
}

std::set<Edge> ReverseEdges(const std::string& folder, bool followAll) {
  test::RecordingMessages messages;
  NullBusyIndicator busy;
  ListShelf shelf(OpenOptions{}, busy, messages);
  LinkResolver resolver(shelf, followAll);
  std::set<Edge> edges;
  for (const std::string& path : ListsOf(folder)) {
    ListReferences refs;
    EXPECT_TRUE(BuildListReferences(resolver, path, {}, refs));
    for (const ReferenceEdge& e : refs.edges)
      edges.emplace(refs.listPath, e.source, e.start, e.length, refs.targets[e.targetList],
                    e.target);
  }
  return edges;
}

class RealReverseReferences : public test::CliTest {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(std::string(QORL_LISTS_DIR) + "/INTERRUP.LST"))
      GTEST_SKIP() << QORL_LISTS_DIR << " holds no INTERRUP.LST";
    CliTest::SetUp();
  }
};

TEST_F(RealReverseReferences, AgreeWithFollowingEveryLinkForward) {
  for (const bool followAll : {true, false}) {
    SCOPED_TRACE(followAll ? "every reference followed" : "offered see-also items only");
    const std::set<Edge> forward = ForwardEdges(QORL_LISTS_DIR, followAll);
    const std::set<Edge> reverse = ReverseEdges(QORL_LISTS_DIR, followAll);
    std::cout << forward.size() << " references resolve\n";
    EXPECT_GT(forward.size(), 1000u);
    std::vector<Edge> missing, extra;
    std::set_difference(forward.begin(), forward.end(), reverse.begin(), reverse.end(),
                        std::back_inserter(missing));
    std::set_difference(reverse.begin(), reverse.end(), forward.begin(), forward.end(),
                        std::back_inserter(extra));
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing, first from "
                                 << std::get<0>(missing.front()) << " #"
                                 << std::get<1>(missing.front());
    EXPECT_TRUE(extra.empty()) << extra.size() << " extra, first from "
                               << std::get<0>(extra.front()) << " #" << std::get<1>(extra.front());

    if (!followAll) continue;
    // The tool prints the same references for a few topics much referred to.
    const std::string interrup = NormalListPath(std::string(QORL_LISTS_DIR) + "/INTERRUP.LST");
    std::map<TopicNumber, std::size_t> referred;
    for (const Edge& e : forward)
      if (std::get<4>(e) == interrup) ++referred[std::get<5>(e)];
    std::vector<std::pair<std::size_t, TopicNumber>> most;
    for (const auto& [topic, count] : referred) most.emplace_back(count, topic);
    std::sort(most.rbegin(), most.rend());
    most.resize(std::min<std::size_t>(most.size(), 3));
    for (const auto& [count, topic] : most) {
      std::string number = "#";
      number += std::to_string(topic);
      const test::CliRun r = run({"refs-to", interrup, number, "--all-lists"});
      ASSERT_EQ(r.status, 0) << r.err;
      std::multiset<std::tuple<std::string, TopicNumber>> printed, expected;
      std::istringstream lines(r.out);
      for (std::string line; std::getline(lines, line);) {
        const std::size_t tab = line.find('\t');
        printed.emplace(line.substr(0, tab), std::stoi(line.substr(tab + 1)));
      }
      for (const Edge& e : forward)
        if (std::get<4>(e) == interrup && std::get<5>(e) == topic)
          expected.emplace(std::string(FileNameOf(std::get<0>(e))), std::get<1>(e));
      EXPECT_EQ(printed, expected) << "topic " << topic << " (" << count << " references)";
    }
  }
}

// INTERRUP.LST and PORTS.LST in a folder of their own.
class SmallFolderReferences : public ::testing::Test {
 protected:
  void SetUp() override {
    write("INTERRUP.LST",
          test::ListBuilder()
              .line("list info")
              .topic('D', "2100", "INT 21 - DOS 1+ - TERMINATE PROGRAM", "SeeAlso: AH=4Ch,#01234")
              .topic('D', "214C", "INT 21 - DOS 2+ - EXIT",
                     "Notes: see PORT 0060h for the keyboard (Table 01234)")
              .str());
    write("PORTS.LST", test::ListBuilder()
                           .line("list info")
                           .topic('K', "P0060", "PORT 0060 - KEYBOARD", "SeeAlso: INT 21/AH=4Ch")
                           .str());
    interrup = NormalListPath(dir.file("INTERRUP.LST"));
    ports = NormalListPath(dir.file("PORTS.LST"));
  }
  void write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir.file(name), std::ios::binary) << bytes;
  }
  // The referrers of topic of the list at path, each as "LIST#topic:reference".
  std::vector<std::string> referrers(bool followAll, const std::string& path, TopicNumber topic) {
    ListShelf shelf(OpenOptions{}, busy, messages);
    LinkResolver resolver(shelf, followAll);
    built.clear();
    built.resize(2);
    EXPECT_TRUE(BuildListReferences(resolver, interrup, {}, built[0]));
    EXPECT_TRUE(BuildListReferences(resolver, ports, {}, built[1]));
    std::vector<std::string> shown;
    std::string bytes;
    for (const Referrer& r : ReferrersOf({&built[0], &built[1]}, path, topic)) {
      shelf.list(r.listPath)->readTopic(r.topic, bytes);
      shown.push_back(std::string(FileNameOf(r.listPath)) + "#" + std::to_string(r.topic) + ":" +
                      DisplayTextOf(bytes).substr(r.start, r.length));
    }
    return shown;
  }

  test::TempDir dir;
  test::RecordingMessages messages;
  NullBusyIndicator busy;
  std::string interrup, ports;
  std::vector<ListReferences> built;
};

using Shown = std::vector<std::string>;

TEST_F(SmallFolderReferences, EachModeCountsTheReferencesItsLinksFollow) {
  // Offered see-also items only: 2100's relative AH=4Ch; PORTS.LST offers no INT item.
  EXPECT_EQ(referrers(false, interrup, 2), (Shown{"INTERRUP.LST#1:AH=4Ch"}));
  EXPECT_EQ(referrers(false, ports, 1), Shown{});
  // Every reference: the table reference to the table 214C defines, the other list's item and
  // the running text's PORT 0060h.
  EXPECT_EQ(referrers(true, interrup, 2),
            (Shown{"INTERRUP.LST#1:AH=4Ch", "INTERRUP.LST#1:#01234", "PORTS.LST#1:INT 21/AH=4Ch"}));
  EXPECT_EQ(referrers(true, ports, 1), (Shown{"INTERRUP.LST#2:PORT 0060h"}));
  EXPECT_TRUE(built[0].current());
  // A changed list that INTERRUP.LST's references lead into makes them out of date.
  write("PORTS.LST", "changed\r\n");
  EXPECT_FALSE(built[0].current());
}

}  // namespace
}  // namespace qorl
