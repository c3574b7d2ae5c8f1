// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/browse/grid_navigation.h"
#include "core/browse/status_panels.h"

namespace qorl {
namespace {

TEST(GridNavigation, PageKeysMoveOneRowMoreOrLessThanTheVisibleRows) {
  EXPECT_EQ(NewGridRow(GridKey::PageDown, 0, 100, 10), 9);
  EXPECT_EQ(NewGridRow(GridKey::PageUp, 20, 100, 10), 9);
  EXPECT_EQ(NewGridRow(GridKey::PageUp, 5, 100, 10), 0);
  EXPECT_EQ(NewGridRow(GridKey::PageDown, 95, 100, 10), 99);
  EXPECT_EQ(NewGridRow(GridKey::Home, 50, 100, 10), 0);
  EXPECT_EQ(NewGridRow(GridKey::End, 50, 100, 10), 99);
}

TEST(GridNavigation, ArrowsStopAtTheEndsAndEmptyGridsStayOnRowZero) {
  EXPECT_EQ(NewGridRow(GridKey::Up, 0, 100, 10), 0);
  EXPECT_EQ(NewGridRow(GridKey::Up, 7, 100, 10), 6);
  EXPECT_EQ(NewGridRow(GridKey::Down, 99, 100, 10), 99);
  EXPECT_EQ(NewGridRow(GridKey::Down, 7, 100, 10), 8);
  EXPECT_EQ(NewGridRow(GridKey::End, 0, 0, 10), 0);
  EXPECT_EQ(NewGridRow(GridKey::PageDown, 0, 1, 0), 0);
}

TEST(StatusPanels, TextsAndCaption) {
  EXPECT_EQ(TopicCountText(1542, 87), "1542 topics (87 in category)");
  EXPECT_EQ(SelectedTopicText(0), "Sel: 1");
  EXPECT_EQ(CurrentTopicText(-1), "Cur: 0");
  EXPECT_EQ(CurrentTopicText(41), "Cur: 42");
  EXPECT_EQ(WindowCaption(-1, ""), "Qorl Viewer");
  EXPECT_EQ(WindowCaption(1, "/data/lists/INTERRUP.LST"), "Qorl Viewer - INTERRUP.LST");
  EXPECT_EQ(WindowCaption(0, "C:\\LISTS\\notes.txt"), "Qorl Viewer - notes.txt");
}

}  // namespace
}  // namespace qorl
