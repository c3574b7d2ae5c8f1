// SPDX-License-Identifier: MIT
#include "core/list/topic_table.h"

#include <gtest/gtest.h>

namespace qorl {
namespace {

TEST(TopicTable, KeepsNamesRecordsAndCategoriesPerTopic) {
  TopicTable table;
  table.append("[List Info]", '!', 0, 13, "");
  table.append("0100", 'D', 63, 30, "First topic title");
  table.append("", '-', 143, 0, "");

  ASSERT_EQ(table.count(), 3);
  EXPECT_EQ(table.identifier(0), "[List Info]");
  EXPECT_EQ(table.title(0), "");
  EXPECT_EQ(table.identifier(1), "0100");
  EXPECT_EQ(table.title(1), "First topic title");
  EXPECT_EQ(table.record(1).offset, 63);
  EXPECT_EQ(table.record(1).length, 30);
  EXPECT_EQ(table.identifier(2), "");
  EXPECT_EQ(table.category(2), '-');
  EXPECT_TRUE(table.categories().test('!'));
  EXPECT_TRUE(table.categories().test('D'));
  EXPECT_FALSE(table.categories().test('A'));
  EXPECT_FALSE(table.isValid(-1));
  EXPECT_FALSE(table.isValid(3));

  table.clear();
  EXPECT_TRUE(table.empty());
  EXPECT_TRUE(table.categories().none());
}

TEST(TopicTable, HoldsHighCategoryCodesAndBytesUnchanged) {
  TopicTable table;
  table.append("\xB0\xB1", 0xFE, 0, 5, "caf\x82");
  EXPECT_TRUE(table.categories().test(0xFE));
  EXPECT_EQ(table.identifier(0), "\xB0\xB1");
  EXPECT_EQ(table.title(0), "caf\x82");
}

}  // namespace
}  // namespace qorl
