// SPDX-License-Identifier: MIT
#pragma once
// The window's layout arithmetic: the split between topics grid and topic text, the grid column
// widths and the sizes scaled for the screen's logical resolution.

namespace qorl {

inline constexpr int kSplitterHeight = 3;
inline constexpr int kSplitMinimum = 40;  // least height of either side of the split
inline constexpr int kDefaultColumnWidth = 140;
inline constexpr int kBandMinWidth = 86;  // band holding the category selector
inline constexpr int kBandMinHeight = 27;
inline constexpr int kMinWindowExtraWidth = 25;
inline constexpr int kMinWindowHeight = 180;
inline constexpr int kStatusPanelWidths[4] = {170, 60, 60, 200};
inline constexpr int kCategoryItemHeight = 15;
inline constexpr int kGridRowExtraHeight = 9;

// Nearest integer, halves to the even neighbour (2.5 gives 2, 107.5 gives 108).
int RoundHalfEven(double value);

// Height of the topics panel in a main panel of height h: h × share, at least 40 and at most
// h − 43 (the second bound wins).
int TopicsPanelHeight(int mainHeight, double topicsShare);

// Least height of the main panel: splitter plus both minimums.
inline constexpr int MinMainPanelHeight() {
  return kSplitterHeight + 2 * kSplitMinimum;
}

// Width of grid column 1: what column 0 and the 2-pixel margin leave.
inline int GridColumn1Width(int gridWidth, int column0Width) {
  return gridWidth - column0Width - 2;
}

// Grid column width for a header section dragged to width w (the section stays one wider).
inline int ColumnWidthForSection(int sectionWidth) {
  return sectionWidth - 1;
}
inline int SectionWidthForColumn(int columnWidth) {
  return columnWidth + 1;
}

// A layout size scaled from 96 pixels per inch to dpi, rounded halves to even.
int ScaleForScreen(int value, double dpi);

// Least window width: the scaled band minimum width + 25.
inline int MinimumWindowWidth(double dpi) {
  return ScaleForScreen(kBandMinWidth, dpi) + kMinWindowExtraWidth;
}

// Status panel i's width at dpi.
inline int StatusPanelWidth(int panel, double dpi) {
  return ScaleForScreen(kStatusPanelWidths[panel], dpi);
}

// The progress bar covers the first three panels.
inline int ProgressBarWidth(double dpi) {
  return StatusPanelWidth(0, dpi) + StatusPanelWidth(1, dpi) + StatusPanelWidth(2, dpi);
}

// Item height of the category selector: 15 pixels at 96 pixels per inch.
inline int CategoryItemHeight(double dpi) {
  return ScaleForScreen(kCategoryItemHeight, dpi);
}

// Row height of the topics grid for a font of pointSize points.
inline int GridRowHeight(int pointSize, double dpi) {
  return RoundHalfEven(static_cast<double>(ScaleForScreen(pointSize, dpi)) + kGridRowExtraHeight);
}

}  // namespace qorl
