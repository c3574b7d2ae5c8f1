// SPDX-License-Identifier: MIT
#include "core/search/full_text_search.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "core/list/ascii.h"
#include "core/list/list_scanner.h"
#include "core/search/byte_pattern.h"
#include "core/support/list_builder.h"

namespace qorl {
namespace {

TopicTable Scan(const std::string& bytes) {
  std::istringstream in(bytes);
  TopicTable table;
  NullBusyIndicator busy;
  ScanTopics(in, {true, static_cast<std::int64_t>(bytes.size()), "TEST.LST"}, table, busy);
  return table;
}

std::vector<TopicMatch> Search(const std::string& bytes, const TopicTable& table,
                               const FullTextQuery& query) {
  std::istringstream in(bytes);
  std::vector<TopicMatch> found;
  const FullTextStatus status =
      SearchTopicsText(in, table, query, nullptr, [&found](std::vector<TopicMatch>& batch) {
        found.insert(found.end(), batch.begin(), batch.end());
      });
  EXPECT_EQ(status, FullTextStatus::Finished);
  return found;
}

// Topic number and hit count of each match.
std::vector<std::pair<TopicNumber, int>> Hits(const std::vector<TopicMatch>& matches) {
  std::vector<std::pair<TopicNumber, int>> hits;
  for (const TopicMatch& m : matches) hits.emplace_back(m.topic, m.hits);
  return hits;
}

// The same search done plainly: each topic's bytes on their own, every accepted occurrence
// counted and the search going on after it.
std::vector<std::pair<TopicNumber, int>> PlainHits(const std::string& bytes,
                                                   const TopicTable& table,
                                                   const FullTextQuery& query) {
  const std::string pattern = query.caseSensitive ? query.pattern : AsciiUpper(query.pattern);
  std::vector<std::pair<TopicNumber, int>> hits;
  for (TopicNumber n = 0; n < table.count(); ++n) {
    const TopicRecord& r = table.record(n);
    const std::string original = bytes.substr(r.offset, static_cast<std::size_t>(r.length));
    const std::string text = query.caseSensitive ? original : AsciiUpper(original);
    int count = 0;
    for (std::size_t at = text.find(pattern); at != std::string::npos;) {
      if (!query.wholeWords || IsWholeWordAt(text, at, pattern.size())) {
        ++count;
        at = text.find(pattern, at + pattern.size());
      } else {
        at = text.find(pattern, at + 1);
      }
    }
    if (count > 0) hits.emplace_back(n, count);
  }
  return hits;
}

// Topics 1 to 4 after the list-info topic; 0x82 and 0x90 are e acute and E acute.
const std::string kList = test::ListBuilder()
                              .line("Header text with xms")
                              .topic('D', "2100", "XMS handle table", "the xms HANDLE, xmsxms")
                              .topic('D', "2101", "caf\x82 ends in abc")
                              .topic('D', "2102", "abcdef", "Xms_2 and 2xms")
                              .topic('D', "2103", "ab", "caf\x90")
                              .str();

TEST(FullTextSearch, FoldsOnlyAToZAndKeepsEveryHitInsideOneTopic) {
  const TopicTable table = Scan(kList);
  ASSERT_EQ(table.count(), 5);
  const std::vector<TopicMatch> xms = Search(kList, table, {"xms", false, false});
  EXPECT_EQ(Hits(xms), (std::vector<std::pair<TopicNumber, int>>{{0, 1}, {1, 4}, {3, 2}}));
  EXPECT_EQ(xms[1].firstHit, 0);
  EXPECT_EQ(xms[1].preview, "XMS handle table");
  EXPECT_EQ(xms[2].preview, "Xms_2 and 2xms");
  EXPECT_EQ(xms[2].previewHit, 0);
  EXPECT_EQ(xms[2].firstHit, 8);
  EXPECT_EQ(Hits(Search(kList, table, {"XMS", true, false})),
            (std::vector<std::pair<TopicNumber, int>>{{1, 1}}));
  // Only a to z fold: E acute never matches e acute.
  EXPECT_EQ(Hits(Search(kList, table, {"CAF\x82", false, false})),
            (std::vector<std::pair<TopicNumber, int>>{{2, 1}}));
  // A hit may end with a topic's last byte but never runs on into the separator line after it.
  EXPECT_EQ(Hits(Search(kList, table, {"abc\r\n", false, false})),
            (std::vector<std::pair<TopicNumber, int>>{{2, 1}}));
  EXPECT_EQ(Hits(Search(kList, table, {"c\r\n---", false, false})).size(), 0u);
  // Whole words: the underscore and the topic's ends separate words, "xmsxms" and "2xms" do not.
  EXPECT_EQ(Hits(Search(kList, table, {"xms", false, true})),
            (std::vector<std::pair<TopicNumber, int>>{{0, 1}, {1, 2}, {3, 1}}));
  EXPECT_EQ(Hits(Search(kList, table, {"caf\x90", true, true})),
            (std::vector<std::pair<TopicNumber, int>>{{4, 1}}));
  EXPECT_TRUE(Search(kList, table, {"", false, false}).empty());
}

// A list of several blocks with hits everywhere, at block ends included, searched with every
// option; the table once in file order and once with its topics in reverse order (as an index
// edited by hand may hold them).
TEST(FullTextSearch, AgreesWithAPlainTopicByTopicSearchOverManyBlocks) {
  std::mt19937 random(12345);
  const char* const words[] = {"handle", "HANDLE", "Handled", "xhandle", "table", "_handle", " ",
                               "\r\n",   "8042",   "a",       "-",       "\t",    "e\x82"};
  test::ListBuilder builder;
  std::string body;
  for (int topic = 0; builder.str().size() < (std::size_t{3} << 20); ++topic) {
    body.clear();
    const std::size_t size = random() % 3000;
    while (body.size() < size) body += words[random() % std::size(words)];
    builder.topic('D', std::to_string(topic), "handle " + std::to_string(topic), body);
  }
  const std::string& bytes = builder.str();
  const TopicTable table = Scan(bytes);
  TopicTable reversed;
  for (TopicNumber n = table.count() - 1; n >= 0; --n) {
    const TopicRecord& r = table.record(n);
    reversed.append(table.identifier(n), r.category, r.offset, r.length, table.title(n));
  }
  for (const char* pattern : {"handle", "HANDLE", "8042", "a", "le\r\nhan", "e\x82"}) {
    for (const bool caseSensitive : {false, true}) {
      for (const bool wholeWords : {false, true}) {
        const FullTextQuery query{pattern, caseSensitive, wholeWords};
        SCOPED_TRACE(testing::Message() << pattern << caseSensitive << wholeWords);
        EXPECT_EQ(Hits(Search(bytes, table, query)), PlainHits(bytes, table, query));
        EXPECT_EQ(Hits(Search(bytes, reversed, query)), PlainHits(bytes, reversed, query));
      }
    }
  }
  std::istringstream in(bytes);
  const std::atomic<bool> cancel{true};
  EXPECT_EQ(SearchTopicsText(in, table, {"handle", false, false}, &cancel, {}),
            FullTextStatus::Cancelled);
}

}  // namespace
}  // namespace qorl
