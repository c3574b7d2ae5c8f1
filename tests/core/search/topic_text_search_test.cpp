// SPDX-License-Identifier: MIT
#include "core/search/topic_text_search.h"

#include <gtest/gtest.h>

namespace qorl {
namespace {

TEST(SearchTopicText, FindsFromTheStartPosition) {
  const std::string_view text = "Return: CF clear\nAX = error code\nnote: cf set on error";
  EXPECT_EQ(SearchTopicText(text, "error", 0, false, false), 22);
  EXPECT_EQ(SearchTopicText(text, "error", 23, false, false), 49);
  EXPECT_EQ(SearchTopicText(text, "error", 50, false, false), -1);
  EXPECT_EQ(SearchTopicText(text, "CF", 0, true, false), 8);
  EXPECT_EQ(SearchTopicText(text, "cf", 0, true, false), 39);
  EXPECT_EQ(SearchTopicText(text, "cf", 0, false, false), 8);
  EXPECT_EQ(SearchTopicText(text, "cf", -3, false, false), 8);
  EXPECT_EQ(SearchTopicText(text, "cf", 1000, false, false), -1);
  EXPECT_EQ(SearchTopicText(text, "", 0, false, false), -1);
  EXPECT_EQ(SearchTopicText("caf\x82", "CAF\x90", 0, false, false), -1);
}

TEST(SearchTopicText, WholeWordsGoOnToTheNextOccurrence) {
  const std::string_view text = "DOSKEY and DOS_X and DOS";
  EXPECT_EQ(SearchTopicText(text, "DOS", 0, false, true), 11);  // the underscore separates
  EXPECT_EQ(SearchTopicText(text, "DOS", 12, false, true), 21);
  EXPECT_EQ(SearchTopicText(text, "dos", 0, true, true), -1);
  EXPECT_EQ(SearchTopicText(text, "DOS", 0, false, false), 0);
}

}  // namespace
}  // namespace qorl
