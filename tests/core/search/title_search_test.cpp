// SPDX-License-Identifier: MIT
#include "core/search/title_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace qorl {
namespace {

bool Hits(std::string_view text, std::string_view pattern, bool caseSensitive, bool wholeWords) {
  return TitleMatcher(pattern, {caseSensitive, wholeWords}).matches(text);
}

TEST(TitleMatcher, FoldsOnlyAsciiLetters) {
  EXPECT_TRUE(Hits("21 DOS - INT 21h", "int", false, false));
  EXPECT_FALSE(Hits("21 DOS - INT 21h", "int", true, false));
  EXPECT_TRUE(Hits("21 DOS - INT 21h", "INT", true, false));
  EXPECT_TRUE(Hits("2F caf\x82", "CAF\x82", false, false));
  EXPECT_FALSE(Hits("2F CAF\x90", "caf\x82", false, false));  // 'é' never matches 'É'
  EXPECT_FALSE(Hits("abc", "", false, false));
  EXPECT_FALSE(Hits("ab", "abc", false, false));
  EXPECT_TRUE(Hits("[x]", "[X]", false, false));
}

TEST(TitleMatcher, WholeWordsTestOnlyTheFirstOccurrence) {
  EXPECT_FALSE(Hits("21 DOSKEY - DOS MODE", "DOS", false, true));
  EXPECT_TRUE(Hits("21 DOSKEY - DOS MODE", "DOS", false, false));
  EXPECT_TRUE(Hits("DOS", "dos", false, true));            // both ends of the text
  EXPECT_TRUE(Hits("21 DOS MODE", "21", false, true));     // start of the identifier
  EXPECT_TRUE(Hits("21 OPEN FILE", "FILE", false, true));  // end of the title
  EXPECT_TRUE(Hits("21 A_B", "A", false, true));           // the underscore separates
  EXPECT_TRUE(Hits("21 A_B", "B", false, true));
  EXPECT_FALSE(Hits("21 AB", "A", false, true));
  EXPECT_FALSE(
      Hits("21 x\xC0"
           "DOS",
           "DOS", false, true));  // 192..255 are word characters
  EXPECT_TRUE(
      Hits("21 x\xBF"
           "DOS",
           "DOS", false, true));
  EXPECT_TRUE(Hits("21 (DOS)", "(DOS)", false, true));
  // A pattern with non-word ends is a whole word wherever it stands.
  EXPECT_TRUE(Hits("21 A-B", "-", false, true));
}

TEST(TitleSearch, SearchesRowsFromStartAndMapsThroughTheView) {
  TopicTable table;
  table.append("[List Info]", '!', 0, 10, "");
  table.append("10", 'V', 10, 10, "VIDEO - SET MODE");
  table.append("21", 'D', 20, 10, "DOS - OPEN");
  table.append("2F", 'm', 30, 10, "DOS MULTIPLEX");
  table.append("33", 'M', 40, 10, "MS MOUSE");

  const TitleSearchOptions folded{false, false};
  EXPECT_EQ(SearchAllTitles(table, "dos", 0, folded), 2);
  EXPECT_EQ(SearchAllTitles(table, "dos", 3, folded), 3);
  EXPECT_EQ(SearchAllTitles(table, "dos", 4, folded), -1);
  EXPECT_EQ(SearchAllTitles(table, "dos", -5, folded), 2);
  EXPECT_EQ(SearchAllTitles(table, "LIST INFO", 0, folded), 0);  // identifier + " " + title
  EXPECT_EQ(SearchAllTitles(table, "21 DOS", 0, folded), 2);
  EXPECT_EQ(SearchAllTitles(table, "INFO] ", 0, folded), 0);  // the blank between them
  EXPECT_EQ(SearchAllTitles(table, "DOSMULTI", 0, folded), -1);
  EXPECT_EQ(SearchAllTitles(table, "MODE", 0, {true, true}), 1);

  const std::vector<TopicNumber> view{4, 3, 2, 99};  // 99: a stale entry is skipped
  EXPECT_EQ(SearchTitlesInView(table, view, "dos", 0, folded), 1);
  EXPECT_EQ(SearchTitlesInView(table, view, "dos", 2, folded), 2);
  EXPECT_EQ(SearchTitlesInView(table, view, "dos", 3, folded), -1);
  EXPECT_EQ(SearchTitlesInView(table, view, "video", 0, folded), -1);  // not in the view
  EXPECT_EQ(SearchTitlesInView(table, {}, "dos", 0, folded), -1);

  // Any row-to-topic mapping can be searched.
  EXPECT_EQ(SearchTitleRows(
                table, 2, [](std::int32_t row) { return 4 - row; }, "MOUSE", 0, folded),
            0);
  EXPECT_EQ(TitleTextOf(table, 2), "21 DOS - OPEN");
  EXPECT_EQ(TitleTextOf(table, 7), "");
}

}  // namespace
}  // namespace qorl
