// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>

#include "core/app/enabling_rules.h"
#include "core/app/layout_arithmetic.h"

namespace qorl {
namespace {

TEST(LayoutArithmetic, SplitFollowsShareWithinBothBounds) {
  EXPECT_EQ(TopicsPanelHeight(300, 0.5), 150);
  EXPECT_EQ(TopicsPanelHeight(300, 0.05), 40);
  EXPECT_EQ(TopicsPanelHeight(300, 0.95), 257);
  EXPECT_EQ(TopicsPanelHeight(301, 0.5), 150);  // 150.5 halves to even
  EXPECT_EQ(TopicsPanelHeight(303, 0.5), 152);  // 151.5 halves to even
  EXPECT_EQ(TopicsPanelHeight(60, 0.5), 17);    // too small: the upper bound comes second
  EXPECT_EQ(MinMainPanelHeight(), 83);
}

TEST(LayoutArithmetic, ColumnsAndHeaderSections) {
  EXPECT_EQ(GridColumn1Width(600, kDefaultColumnWidth), 458);
  EXPECT_EQ(ColumnWidthForSection(200), 199);
  EXPECT_EQ(SectionWidthForColumn(140), 141);
}

TEST(LayoutArithmetic, ScalingRoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(107.5), 108);
  EXPECT_EQ(RoundHalfEven(212.5), 212);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(18.75), 19);
  EXPECT_EQ(ScaleForScreen(86, 120), 108);
  EXPECT_EQ(ScaleForScreen(27, 120), 34);
  EXPECT_EQ(MinimumWindowWidth(120), 133);
  EXPECT_EQ(MinimumWindowWidth(96), 111);
  EXPECT_EQ(StatusPanelWidth(0, 120), 212);
  EXPECT_EQ(StatusPanelWidth(1, 120), 75);
  EXPECT_EQ(StatusPanelWidth(3, 120), 250);
  EXPECT_EQ(ProgressBarWidth(120), 362);
  EXPECT_EQ(ProgressBarWidth(96), 290);
  EXPECT_EQ(CategoryItemHeight(96), 15);
  EXPECT_EQ(CategoryItemHeight(120), 19);
  EXPECT_EQ(GridRowHeight(8, 96), 17);
}

TEST(LayoutArithmetic, AbsurdStoredValuesSaturateInsteadOfWrapping) {
  EXPECT_EQ(TopicsPanelHeight(500, 1e300), 457);
  EXPECT_EQ(TopicsPanelHeight(500, -1e300), 40);
  EXPECT_EQ(GridRowHeight(std::numeric_limits<int>::max(), 120), std::numeric_limits<int>::max());
}

TEST(EnablingRules, NoListNamed) {
  const CommandStates s = EvaluateCommands(WindowState{});
  for (Command c :
       {Command::FileClose, Command::FileSave, Command::FilePrint, Command::EditCopy,
        Command::EditSelectAll, Command::SearchFind, Command::SearchSearchAgain,
        Command::OptionsZoomTopic, Command::OptionsUpdateTopicTitles, Command::ViewPrev,
        Command::ViewNext, Command::HelpHelpIndex, Command::ViewBack, Command::ViewForward}) {
    EXPECT_FALSE(StateOf(s, c).enabled) << CommandName(c);
  }
  for (Command c :
       {Command::FileExit, Command::EditCopyTopic, Command::OptionsUnzoomTopic,
        Command::OptionsConfiguration, Command::HelpAbout, Command::HeaderTopicsHeaderDefWidth}) {
    EXPECT_TRUE(StateOf(s, c).enabled) << CommandName(c);
  }
  EXPECT_FALSE(StateOf(s, Command::OptionsUnzoomTopic).visible);
  // Back and Forward are shown always and enabled by the history alone.
  EXPECT_TRUE(StateOf(s, Command::ViewBack).visible);
  WindowState withHistory;
  withHistory.canGoBack = true;
  EXPECT_TRUE(StateOf(EvaluateCommands(withHistory), Command::ViewBack).enabled);
  EXPECT_FALSE(StateOf(EvaluateCommands(withHistory), Command::ViewForward).enabled);
  EXPECT_FALSE(StateOf(s, Command::HelpHelpIndex).visible);
}

TEST(EnablingRules, NamedButMissingListEnablesFindButNotClose) {
  WindowState state;
  state.listKind = 1;
  const CommandStates s = EvaluateCommands(state);
  EXPECT_FALSE(StateOf(s, Command::FileClose).enabled);
  EXPECT_TRUE(StateOf(s, Command::SearchFind).enabled);
  EXPECT_TRUE(StateOf(s, Command::SearchSearchAgain).enabled);
  EXPECT_FALSE(StateOf(s, Command::SearchAllTopics).enabled);  // no list is open
  EXPECT_TRUE(StateOf(s, Command::OptionsUpdateTopicTitles).enabled);
  EXPECT_FALSE(StateOf(s, Command::ViewPrev).enabled);
  EXPECT_FALSE(StateOf(s, Command::ViewNext).enabled);
}

TEST(EnablingRules, OpenListWithTopicOnView) {
  WindowState state;
  state.listKind = 0;
  state.topicCount = 20;
  state.rowCount = 20;
  state.currentTopic = 0;
  state.textLength = 102;  // 100 positions on two lines
  state.lineCount = 2;
  state.selectionLength = 101;
  state.zoomed = true;
  state.helpAvailable = true;
  CommandStates s = EvaluateCommands(state);
  EXPECT_TRUE(StateOf(s, Command::FileClose).enabled);
  EXPECT_TRUE(StateOf(s, Command::SearchAllTopics).enabled);
  EXPECT_TRUE(StateOf(s, Command::FileSave).enabled);
  EXPECT_TRUE(StateOf(s, Command::EditCopy).enabled);
  EXPECT_TRUE(StateOf(s, Command::EditSelectAll).checked);
  EXPECT_TRUE(StateOf(s, Command::OptionsZoomTopic).checked);
  EXPECT_TRUE(StateOf(s, Command::HelpHelpIndex).visible);
  EXPECT_FALSE(StateOf(s, Command::ViewPrev).enabled);  // row 0
  EXPECT_TRUE(StateOf(s, Command::ViewNext).enabled);

  state.gridRow = 19;
  state.selectionLength = 5;
  s = EvaluateCommands(state);
  EXPECT_TRUE(StateOf(s, Command::ViewPrev).enabled);
  EXPECT_FALSE(StateOf(s, Command::ViewNext).enabled);  // last row
  EXPECT_FALSE(StateOf(s, Command::EditSelectAll).checked);
  EXPECT_STREQ(CommandName(Command::HeaderTopicsHeaderDefWidth), "HeaderTopicsHeaderDefWidthCmd");
}

}  // namespace
}  // namespace qorl
