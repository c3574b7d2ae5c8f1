// SPDX-License-Identifier: MIT
#pragma once
// The topics grid's reactions: the selected topic follows the row, a click (with SingleClickView)
// or a double click / Enter (without it) loads the topic, Previous and Next Topic, the status
// panels and the caption, and loading a topic into the topic view.

#include <QObject>

#include "core/browse/grid_navigation.h"
#include "gui/browse/browse_state.h"
#include "gui/browse/grid_steps.h"

namespace qorl {
class MessageService;
}

namespace qorl::gui {

class TopicLoader;

class GridController : public QObject, public GridSteps {
  Q_OBJECT
 public:
  GridController(BrowseState& state, const BrowseWidgets& widgets, MessageService& messages,
                 QObject* parent = nullptr);

  void updateStatusPanels(PanelOccasion occasion) override;
  // Shows topic n through the topic loader (LoadTopic).
  void loadTopic(TopicNumber n) override;
  // The loader that loadTopic hands to; its end refreshes the "Cur: " panel.
  void setTopicLoader(TopicLoader* loader);
  // Gives the keyboard focus to the grid, or to the topic view while it is zoomed.
  void focusGrid() override;
  void previousTopic();
  void nextTopic();

  void onRowSelected(int row) override;
  void onClickReaction() override;
  void onTopicActivated();

 private:
  void step(GridKey key);

  BrowseState& state_;
  BrowseWidgets widgets_;
  MessageService& messages_;  // for the grid's own messages; a failed read is the loader's
  TopicLoader* loader_ = nullptr;
};

}  // namespace qorl::gui
