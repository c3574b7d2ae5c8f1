#pragma once
// The settings the window applies and gives back: the configuration values and the layout values
// of its controls.

#include <string>

namespace qorl::gui {

struct ViewerSettings {
  // Configuration.
  std::string defStartupDir;
  std::string defStartupList;
  bool askExit = false;
  bool showPrintDialog = true;
  bool singleClickView = true;
  bool doubleClickZoom = false;
  bool dontUseIndexFile = false;
  bool reloadLastOpenList = false;
  bool topicFormatting = true;
  bool wysiwygPrint = false;
  bool enabledSeeAlsoMenu = true;
  bool loadTopicsDirect = false;
  bool displayAllLists = false;
  bool showCategoryChar = true;
  bool onlyParseLst = true;
  std::string fontName = "MS Sans Serif";
  int fontSize = 8;
  // Layout.
  int toolBarCategoriesWidth = 326;
  int band0Id = 0;  // 0: the category band first, 1: the tool-bar band first
  bool band0Break = true;
  int toolBarWidth = 320;
  bool band1Break = false;
  bool toolBarVisible = true;
  bool topicsHeaderVisible = true;
  bool panelCurrentTopicHeaderVisible = true;
  bool statusBarVisible = true;
  double topicsHeightPerc = 0.5;
  int topicsColWidth = 140;
};

// Where the window starts: its normal rectangle and whether it is maximized.
struct WindowPlacementValues {
  int left = 50, top = 50, right = 0, bottom = 0;
  bool maximized = true;
};

}  // namespace qorl::gui
