// SPDX-License-Identifier: MIT
#pragma once
// What the browsing controllers share: the open list, the category view, the selected and
// current topic, the category descriptions and the settings that steer browsing, plus the
// widgets they drive.

#include <string>

#include "core/browse/categories.h"
#include "core/browse/category_view.h"
#include "core/list/list_session.h"

class QAbstractButton;
class QLabel;
class QTextEdit;
class QWidget;

namespace qorl::gui {

class CategoryComboBox;
class MainPanel;
class StatusBarPanels;
class TopicsGridModel;
class TopicsGridView;
class ZoomSwitch;

struct BrowseOptions {
  bool singleClickView = true;   // SingleClickView
  bool doubleClickZoom = false;  // DoubleClickZoom
  bool onlyParseLst = true;      // OnlyParseLST
  IndexPolicy policy;            // DontUseIndexFile, LoadTopicsDirect

  bool topicFormatting = true;       // TopicFormatting
  bool enabledSeeAlsoMenu = true;    // EnabledSeeAlsoMenu
  bool followAllReferences = false;  // FollowAllReferences
};

struct BrowseState {
  ListSession session;
  CategoryView view;
  // The named list: the path given to the last opening (or the start-up list's name before it
  // is opened) and its list kind; -1 when no list is named.
  std::string listPath;
  int listKind = -1;
  TopicNumber selectedTopic = 0;
  TopicNumber currentTopic = -1;
  std::string currentTopicId;
  CategoryDescriptions descriptions = BuiltInCategoryDescriptions();
  BrowseOptions options;

  const TopicTable& topics() const { return session.topics(); }
  TopicNumber topicCount() const { return session.topics().count(); }
};

struct BrowseWidgets {
  QWidget* window = nullptr;
  TopicsGridView* grid = nullptr;
  TopicsGridModel* model = nullptr;
  CategoryComboBox* combo = nullptr;
  QAbstractButton* categoryButton = nullptr;
  QTextEdit* currentTopic = nullptr;
  QLabel* currentTopicLabel = nullptr;
  QAbstractButton* seeAlsoButton = nullptr;
  StatusBarPanels* statusBar = nullptr;
  MainPanel* mainPanel = nullptr;
  ZoomSwitch* zoom = nullptr;
};

}  // namespace qorl::gui
