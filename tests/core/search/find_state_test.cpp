// SPDX-License-Identifier: MIT
#include "core/search/find_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qorl {
namespace {

using Strings = std::vector<std::string>;

TEST(FindHistory, KeepsNineteenMostRecentAndComparesOnlyTheFirst) {
  FindHistory history;
  for (const char* text : {"INT", "INT", "int", "INT"}) history.add(text);
  EXPECT_EQ(history.entries(), (Strings{"INT", "int", "INT"}));  // exact, first entry only
  for (int i = 0; i < 16; ++i) history.add(std::to_string(i));
  EXPECT_EQ(history.entries().size(), 19u);
  history.add("new");
  EXPECT_EQ(history.entries().size(), 19u);
  EXPECT_EQ(history.entries().front(), "new");
  EXPECT_EQ(history.entries().back(), "int");  // the oldest is gone
}

TEST(FindState, CancelRestoresAndFindKeepsTheDialogValues) {
  FindState state;
  EXPECT_EQ(state.values().scope, FindScope::None);
  EXPECT_TRUE(state.searchAgainShowsDialog());  // F3 before any text opens the dialog
  state.dialogShown();
  EXPECT_EQ(state.values().scope, FindScope::CurrentCategoryTitles);
  state.values() = {"abc", FindScope::CurrentTopic, true, true};
  state.dialogClosed();  // Cancel
  EXPECT_EQ(state.values(), (FindValues{"", FindScope::CurrentCategoryTitles, false, false}));

  state.dialogShown();
  EXPECT_FALSE(state.findPressed());  // empty text: nothing happens, the dialog stays
  EXPECT_TRUE(state.restoreOnClose());
  state.values() = {"DOS", FindScope::AllTitles, false, true};
  EXPECT_TRUE(state.findPressed());
  state.dialogClosed();  // the dialog closes after Find: the new values stay
  EXPECT_EQ(state.values(), (FindValues{"DOS", FindScope::AllTitles, false, true}));
  EXPECT_EQ(state.history().entries(), Strings{"DOS"});
  EXPECT_FALSE(state.searchAgainShowsDialog());
}

TEST(FindState, StartPositionFollowsSearchesLocatesAndTopics) {
  FindState state;
  state.values().text = "x";
  state.searchHit(4);
  EXPECT_EQ(state.startPosition(), 5);
  EXPECT_TRUE(state.findPressed());  // every search from the dialog starts at 0
  EXPECT_EQ(state.startPosition(), 0);
  state.searchHit(7);
  state.searchMissed();  // Search Again after "not found" starts again at the beginning
  EXPECT_EQ(state.startPosition(), 0);
  state.locateHit(9);
  EXPECT_EQ(state.startPosition(), 10);
  EXPECT_FALSE(state.notFound());
  state.locateMissed();
  EXPECT_TRUE(state.notFound());
  EXPECT_EQ(state.startPosition(), 0);
  // A newly shown topic resets the position only in scope "Current topic".
  state.searchHit(3);
  state.topicLoaded();
  EXPECT_EQ(state.startPosition(), 4);
  state.values().scope = FindScope::CurrentTopic;
  state.topicLoaded();
  EXPECT_EQ(state.startPosition(), 0);
  state.searchHit(12);
  state.listClosed();
  EXPECT_EQ(state.startPosition(), 0);
  EXPECT_EQ(SearchNotFoundMessage("caf\xC3\xA9"), "Search string 'caf\xC3\xA9' not found");
}

}  // namespace
}  // namespace qorl
