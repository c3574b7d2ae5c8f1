// SPDX-License-Identifier: MIT
#pragma once
// The two panels of the main panel: the topics panel with the grid (and the context menu it
// shares with its header), and the topic panel with its header line (See also button, "Topic:"
// and the identifier) above the topic view.

class QFrame;
class QLabel;
class QToolButton;
class QWidget;

namespace qorl::gui {

struct BrowseState;
struct CommandActions;
class MainPanel;
class TopicTextView;
class TopicsGridModel;
class TopicsGridView;

struct BrowsePanels {
  QFrame* topics = nullptr;
  QFrame* currentTopic = nullptr;
  QWidget* currentTopicHeader = nullptr;
  QToolButton* seeAlsoButton = nullptr;
  QLabel* currentTopicLabel = nullptr;
  TopicTextView* view = nullptr;
  TopicsGridView* grid = nullptr;
  TopicsGridModel* model = nullptr;  // owned by window
};

// Builds both panels into mainPanel; the grid's model reads state.
BrowsePanels BuildBrowsePanels(QWidget* window, MainPanel* mainPanel, BrowseState& state,
                               const CommandActions& actions);

}  // namespace qorl::gui
