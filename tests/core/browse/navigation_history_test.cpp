// SPDX-License-Identifier: MIT
// Back and Forward: which visits make entries, the depth, Forward cleared by a new visit, and
// entries whose list is gone skipped in either direction, one by one or all of a list at once.
#include <gtest/gtest.h>

#include "core/browse/navigation_history.h"

namespace qorl {
namespace {

HistoryEntry At(TopicNumber topic, const char* list = "A.LST", std::int32_t scroll = 0) {
  HistoryEntry entry;
  entry.listPath = list;
  entry.topic = topic;
  entry.scroll = scroll;
  return entry;
}

TEST(NavigationHistory, BackForwardAndANewVisitClearsForward) {
  NavigationHistory h;
  EXPECT_FALSE(h.back());
  h.visit(At(1));
  h.visit(At(1));  // shown again: no entry
  h.visit(At(2));
  h.setScroll(40);
  h.visit(At(3, "B.LST"));
  ASSERT_EQ(h.entries().size(), 3u);
  EXPECT_EQ(h.back(), At(2, "A.LST", 40));
  EXPECT_EQ(h.back(), At(1));
  EXPECT_FALSE(h.canGoBack());
  EXPECT_EQ(h.forward(), At(2, "A.LST", 40));
  h.visit(At(7));
  EXPECT_FALSE(h.canGoForward());
  EXPECT_EQ(h.entries().size(), 3u);
  EXPECT_EQ(h.back(), At(2, "A.LST", 40));
}

TEST(NavigationHistory, KeepsTheNewestHundred) {
  NavigationHistory h;
  for (TopicNumber n = 0; n < 150; ++n) h.visit(At(n));
  ASSERT_EQ(h.entries().size(), NavigationHistory::kDepth);
  EXPECT_EQ(h.entries().front().topic, 50);
  EXPECT_EQ(h.current()->topic, 149);
}

TEST(NavigationHistory, GridStepsAndAProvisionalTopicKeepOneEntry) {
  NavigationHistory h;
  h.visit(At(1));
  h.visit(At(2), VisitKind::Step);
  h.visit(At(3), VisitKind::Step);
  h.visit(At(4), VisitKind::Step);
  h.visit(At(5));  // a click ends the run
  h.visit(At(6), VisitKind::Step);
  EXPECT_EQ(h.entries().size(), 4u);
  EXPECT_EQ(h.back()->topic, 5);
  EXPECT_EQ(h.back()->topic, 4);
  EXPECT_EQ(h.back()->topic, 1);

  // A list opening shows its first topic; the reference's own topic follows at once.
  NavigationHistory r;
  r.visit(At(9));
  r.visit(At(0, "B.LST"), VisitKind::Provisional);
  r.visit(At(12, "B.LST"));
  ASSERT_EQ(r.entries().size(), 2u);
  EXPECT_EQ(r.current()->topic, 12);
  // Settled, the first topic stays.
  r.visit(At(0, "C.LST"), VisitKind::Provisional);
  r.settle();
  r.visit(At(3, "C.LST"));
  EXPECT_EQ(r.entries().size(), 4u);
}

TEST(NavigationHistory, VanishedEntriesAreDroppedInTheDirectionOfTravel) {
  NavigationHistory h;
  for (TopicNumber n = 1; n <= 4; ++n) h.visit(At(n));
  // Back from 4 reaches 3, which is gone: 2 is next.
  ASSERT_EQ(h.back()->topic, 3);
  EXPECT_EQ(h.dropAndGoOn(true)->topic, 2);
  // Forward from 2 reaches 4 now; back to 1, forward reaches 2, gone: 4 follows.
  EXPECT_EQ(h.back()->topic, 1);
  ASSERT_EQ(h.forward()->topic, 2);
  EXPECT_EQ(h.dropAndGoOn(false)->topic, 4);
  // Back to 1, which is gone too: nothing before it, and 4 is on view again.
  ASSERT_EQ(h.back()->topic, 1);
  EXPECT_FALSE(h.dropAndGoOn(true));
  EXPECT_EQ(h.current()->topic, 4);
  EXPECT_EQ(h.entries().size(), 1u);
}

TEST(NavigationHistory, AListThatIsGoneTakesAllItsEntriesAtOnce) {
  NavigationHistory h;
  for (TopicNumber n = 1; n <= 8; ++n) h.visit(At(n, n % 2 ? "A.LST" : "P.LST"));
  // On 8 (P.LST), Back reaches 7 in A.LST, which cannot be opened: every A.LST entry goes, and
  // the entry before 7 that is left is 6.
  ASSERT_EQ(h.back()->topic, 7);
  EXPECT_EQ(h.dropAndGoOn(true, true)->topic, 6);
  EXPECT_EQ(h.entries().size(), 4u);
  EXPECT_EQ(h.entries().back().topic, 8);
  // Going forward into a list that is gone, with nothing after it, ends where the move began.
  h.visit(At(9, "C.LST"));  // drops Forward (8)
  EXPECT_EQ(h.back()->topic, 6);
  ASSERT_EQ(h.forward()->topic, 9);
  EXPECT_FALSE(h.dropAndGoOn(false, true));
  EXPECT_EQ(h.current()->topic, 6);
  // An entry found again under another number keeps it.
  h.renumberCurrent(7);
  EXPECT_EQ(h.current()->topic, 7);
}

}  // namespace
}  // namespace qorl
