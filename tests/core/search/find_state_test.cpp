#include "core/search/find_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qorl {
namespace {

TEST(FindHistory, KeepsNineteenMostRecentAndComparesOnlyTheFirst) {
  FindHistory history;
  history.add("INT");
  history.add("INT");
  EXPECT_EQ(history.entries(), std::vector<std::string>{"INT"});
  history.add("int");  // exact comparison
  history.add("INT");  // alternating texts are added each time
  EXPECT_EQ(history.entries(), (std::vector<std::string>{"INT", "int", "INT"}));

  FindHistory full;
  for (int i = 0; i < 19; ++i) full.add(std::to_string(i));
  EXPECT_EQ(full.entries().size(), 19u);
  EXPECT_EQ(full.entries().back(), "0");
  full.add("new");
  EXPECT_EQ(full.entries().size(), 19u);
  EXPECT_EQ(full.entries().front(), "new");
  EXPECT_EQ(full.entries().back(), "1");  // the oldest is gone
}

TEST(FindState, DialogRemembersValuesAndCancelPutsThemBack) {
  FindState state;
  EXPECT_EQ(state.values().scope, FindScope::None);
  EXPECT_TRUE(state.searchAgainShowsDialog());

  state.dialogShown();
  EXPECT_EQ(state.values().scope, FindScope::CurrentCategoryTitles);
  EXPECT_TRUE(state.restoreOnClose());
  state.values().text = "abc";
  state.values().scope = FindScope::CurrentTopic;
  state.values().caseSensitive = true;
  state.dialogClosed();  // Cancel
  EXPECT_EQ(state.values(), (FindValues{"", FindScope::CurrentCategoryTitles, false, false}));

  state.dialogShown();
  state.values().text = "";
  EXPECT_FALSE(state.findPressed());  // empty text: nothing happens, the dialog stays
  EXPECT_TRUE(state.restoreOnClose());
  state.values().text = "DOS";
  state.values().wholeWords = true;
  EXPECT_TRUE(state.findPressed());
  state.dialogClosed();  // the dialog closes after Find: the new values stay
  EXPECT_EQ(state.values(), (FindValues{"DOS", FindScope::CurrentCategoryTitles, false, true}));
  EXPECT_EQ(state.history().entries(), std::vector<std::string>{"DOS"});
  EXPECT_FALSE(state.searchAgainShowsDialog());
}

TEST(FindState, StartPositionFollowsSearchesLocatesAndTopics) {
  FindState state;
  state.dialogShown();
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
