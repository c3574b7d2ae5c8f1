// SPDX-License-Identifier: MIT
#include "core/browse/categories.h"

#include <gtest/gtest.h>

#include "core/browse/category_view.h"

namespace qorl {
namespace {

CategorySet SetOf(std::string_view chars) {
  CategorySet set;
  for (char c : chars) set.set(static_cast<unsigned char>(c));
  return set;
}

TEST(CategoryDescriptions, BuiltInTableHasEveryDescriptionAndTheTwoEmptyLines) {
  const CategoryDescriptions& builtIn = BuiltInCategoryDescriptions();
  EXPECT_EQ(builtIn.size(), 50u);
  EXPECT_EQ(builtIn[3], "");
  EXPECT_EQ(builtIn[2], "#45=Uncategorized");
  EXPECT_EQ(builtIn[27], "");
  EXPECT_EQ(builtIn[26], "#88=Expansion bus BIOSes");
  EXPECT_EQ(CategoryDescription(builtIn, 'D'), "DOS kernel");
  EXPECT_EQ(CategoryDescription(builtIn, 'a'), "Access software (screen readers, etc)");
  EXPECT_EQ(CategoryDescription(builtIn, 'y'), "Security");
  for (char c : std::string("LYZoqwz")) EXPECT_EQ(CategoryDescription(builtIn, c), "Unknown") << c;
}

TEST(CategoryDescriptions, NamesMatchWholeDecimalCodeIgnoringCaseOfLetters) {
  const CategoryDescriptions lines = {"#065=Apps", "no equals sign", "#68=Kernel",
                                      "#66=",      "x=y=z",          "X=second"};
  EXPECT_EQ(CategoryDescription(lines, 'A'), "Unknown");  // "#065" is not "#65"
  EXPECT_EQ(CategoryDescription(lines, 'D'), "Kernel");
  EXPECT_EQ(CategoryDescription(lines, 'B'), "Unknown");  // empty value
  EXPECT_EQ(DescriptionValue(lines, "X"), "y=z");         // first match, split at first "="
  EXPECT_EQ(DescriptionValue(lines, "no equals sign"), "");
}

TEST(CategoryDescriptions, FileLinesSplitAtAnyLineEnd) {
  const CategoryDescriptions lines =
      ParseCategoryDescriptions("#68=Kernel\r\n\r\n#65=A\n#66=B\r#67=C");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "#68=Kernel");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[4], "#67=C");
  EXPECT_TRUE(ParseCategoryDescriptions("").empty());
}

TEST(CategoryEntries, SortFoldedStablyWithAllCategoriesOnTop) {
  const auto entries = CategoryEntries(SetOf("DaA!"), BuiltInCategoryDescriptions());
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0], AllCategoriesEntry());
  EXPECT_EQ(static_cast<unsigned char>(entries[0][0]), 255);
  EXPECT_EQ(entries[1], "! Information");
  EXPECT_EQ(entries[2], "A Applications");
  EXPECT_EQ(entries[3], "a Access software (screen readers, etc)");
  EXPECT_EQ(entries[4], "D DOS kernel");
}

TEST(CategoryEntries, OneCategoryHasNoAllCategoriesEntryAndByte255IsNeverListed) {
  CategorySet set = SetOf("-");
  set.set(255);
  const auto entries = CategoryEntries(set, BuiltInCategoryDescriptions());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0], "- Uncategorized");
  EXPECT_TRUE(CategoryEntries(CategorySet{}, BuiltInCategoryDescriptions()).empty());
}

TEST(CategoryEntries, ReplacedDescriptionsGiveUnknownForTheRest) {
  const auto entries = CategoryEntries(SetOf("DV"), ParseCategoryDescriptions("#68=Kernel\r\n"));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1], "D Kernel");
  EXPECT_EQ(entries[2], "V Unknown");
}

TEST(CategoryView, NarrowsToOneCategoryOrListsAll) {
  TopicTable table;
  table.append("[List Info]", '!', 0, 10, "");
  table.append("10", 'D', 10, 10, "a");
  table.append("11", 'V', 20, 10, "b");
  table.append("12", 'D', 30, 10, "c");

  EXPECT_EQ(BuildCategoryView(table, 255), (std::vector<TopicNumber>{0, 1, 2, 3}));
  EXPECT_EQ(BuildCategoryView(table, 'D'), (std::vector<TopicNumber>{1, 3}));
  EXPECT_TRUE(BuildCategoryView(table, 'X').empty());
  EXPECT_TRUE(BuildCategoryView(TopicTable{}, 255).empty());

  CategoryView view{BuildCategoryView(table, 'D'), 'D'};
  EXPECT_EQ(view.topicAt(1), 3);
  EXPECT_EQ(view.topicAt(2), 0);  // outside the view
  EXPECT_EQ(view.topicAt(-1), 0);
  EXPECT_EQ(view.rowOf(3), 1);
  EXPECT_EQ(view.rowOf(2), -1);
  EXPECT_FALSE(view.showsAll());
}

}  // namespace
}  // namespace qorl
