// SPDX-License-Identifier: MIT
#include "core/search/locate_topic.h"

#include <gtest/gtest.h>

#include "core/search/follow_reference.h"
#include "core/search/topic_mark.h"

namespace qorl {
namespace {

TopicTable SampleTable() {
  TopicTable table;
  table.append("21", 'D', 0, 10, "Topic zero NAME");  // matches '21' but is never examined
  table.append("1000", 'V', 10, 10, "VIDEO - SET VIDEO MODE");
  table.append("214B", 'D', 20, 10, "DOS 2+ - EXEC - LOAD AND/OR EXECUTE PROGRAM");
  table.append("214c\t", 'D', 30, 10, "DOS 2+ - EXIT");
  table.append("2F1234", 'm', 40, 10, "Foo - NAME CHECK");
  table.append("2F1234", 'm', 50, 10, "Bar - name installation");
  table.append("2F1235", 'm', 60, 10, "  Spacer caf\x82");
  return table;
}

TEST(LocateTopic, FindsTheFirstIdentifierFromTopicOneOn) {
  const TopicTable table = SampleTable();
  EXPECT_EQ(LocateTopic(table, "21", ""), 2);     // never topic 0
  EXPECT_EQ(LocateTopic(table, " 21  ", ""), 2);  // the key is trimmed
  EXPECT_EQ(LocateTopic(table, "214C  ", ""), 3);
  EXPECT_EQ(LocateTopic(table, "214C", ""), 3);  // folded, trimmed identifier
  EXPECT_EQ(LocateTopic(table, "2f1234", ""), 4);
  EXPECT_EQ(LocateTopic(table, "99", ""), -1);
  EXPECT_EQ(LocateTopic(table, "214B00", ""), -1);  // the identifier must hold all of the key
}

// A remembered topic is found again by identifier and title after its list changed: where it
// was, else the nearest topic that is the same, else nowhere.
TEST(FindMarkedTopic, FindsARememberedTopicAfterTheListChanged) {
  const TopicTable table = SampleTable();
  EXPECT_EQ(MarkOf(table, 5), (TopicMark{5, "2F1234", "Bar - name installation"}));
  EXPECT_EQ(FindMarkedTopic(table, MarkOf(table, 5)), 5);
  EXPECT_EQ(FindMarkedTopic(table, {4, "2F1234", "Bar - name installation"}), 5);  // moved on
  EXPECT_EQ(FindMarkedTopic(table, {6, "2F1234", "Foo - NAME CHECK"}), 4);         // moved back
  EXPECT_EQ(FindMarkedTopic(table, {99, "1000", "VIDEO - SET VIDEO MODE"}), 1);
  EXPECT_EQ(FindMarkedTopic(table, {4, "2F1234", "Foo - name check"}), -1);  // exact bytes
  EXPECT_EQ(FindMarkedTopic(table, {2, "2F1236", "Foo - NAME CHECK"}), -1);
  TopicTable twice = SampleTable();
  twice.append("214B", 'D', 70, 10, "DOS 2+ - EXEC - LOAD AND/OR EXECUTE PROGRAM");
  EXPECT_EQ(FindMarkedTopic(twice, MarkOf(table, 2)), 2);
  EXPECT_EQ(FindMarkedTopic(twice, {4, "214B", "DOS 2+ - EXEC - LOAD AND/OR EXECUTE PROGRAM"}), 2);
  EXPECT_EQ(FindMarkedTopic(twice, {5, "214B", "DOS 2+ - EXEC - LOAD AND/OR EXECUTE PROGRAM"}), 7);
  EXPECT_EQ(FindMarkedTopic(TopicTable{}, MarkOf(table, 2)), -1);
}

TEST(LocateTopic, NarrowsByTitleTextAndNeedsKeyOrTitle) {
  const TopicTable table = SampleTable();
  EXPECT_EQ(LocateTopic(table, "2F1234", "INSTALL"), 5);
  EXPECT_EQ(LocateTopic(table, "2F1234", "nope"), -1);
  EXPECT_EQ(LocateTopic(table, "", "name"), 4);  // topic 0's title holds it too
  EXPECT_EQ(LocateTopic(table, "", "  spacer "), 6);
  EXPECT_EQ(LocateTopic(table, "", "CAF\x82"), 6);
  EXPECT_EQ(LocateTopic(table, "", "CAF\x90"), -1);  // only a to z are folded
  EXPECT_EQ(LocateTopic(table, "", ""), -1);
  EXPECT_EQ(LocateTopic(table, " \t", "\r\n"), -1);
  EXPECT_EQ(LocateTopic(TopicTable{}, "21", ""), -1);
}

TEST(ResolveAndLocate, TriesWithTitleThenWithoutAndReportsWhy) {
  const TopicTable table = SampleTable();
  ReferenceTarget target = ResolveAndLocate(table, "INT 2F/AX=1234h\"INSTALL\"", 1, "21");
  EXPECT_EQ(target.outcome, ReferenceOutcome::Found);
  EXPECT_EQ(target.topic, 5);
  EXPECT_TRUE(target.message().empty());

  target = ResolveAndLocate(table, "INT 2F/AX=1234h\"Nowhere\"", 1, "21");
  EXPECT_EQ(target.outcome, ReferenceOutcome::Found);
  EXPECT_EQ(target.topic, 4);

  target = ResolveAndLocate(table, "AH=4Bh", 1, "214C");
  EXPECT_EQ(target.topic, 2);

  target = ResolveAndLocate(table, "INT 99", 1, "21");
  EXPECT_EQ(target.outcome, ReferenceOutcome::NotFound);
  EXPECT_EQ(target.topic, -1);
  EXPECT_EQ(target.message(), "Unable to locate topic in current list");

  target = ResolveAndLocate(table, "PORT 0060h", 1, "21");
  EXPECT_EQ(target.outcome, ReferenceOutcome::InvalidShape);
  EXPECT_EQ(target.message(), "Topic is not located in current list");

  target = ResolveAndLocate(table, "INT 21", 8, "21");
  EXPECT_EQ(target.outcome, ReferenceOutcome::NotHandled);
  EXPECT_TRUE(target.message().empty());
}

// A port inside a block is found only when every reference is followed (LocateRoute); the
// list's own links keep the identifier rule.
TEST(ResolveAndLocate, PortInsideABlockOnlyWhenFollowingAll) {
  TopicTable ports;
  ports.append("", '!', 0, 10, "");
  ports.append("P0060006F", 'K', 10, 10, "PORT 0060-006F");
  EXPECT_EQ(ResolveAndLocate(ports, "PORT 0064h", 2, "P0060006F").outcome,
            ReferenceOutcome::NotFound);
  const ReferenceTarget followed =
      LocateRoute(RouteReference("PORT 0064h", 2, "P0060006F"), ports, TableMap());
  EXPECT_EQ(followed.outcome, ReferenceOutcome::Found);
  EXPECT_EQ(followed.topic, 1);
}

}  // namespace
}  // namespace qorl
