// SPDX-License-Identifier: MIT
#pragma once
// The topics grid's steps as opening a list and Find drive them: the row's topic selected, the
// click reaction, the status panels, a topic loaded and the focus given back to the grid.

#include "core/list/topic_table.h"

namespace qorl::gui {

enum class PanelOccasion { ListChanged = 0, ViewRebuilt = 1, RowChanged = 2, TopicLoaded = 3 };

class GridSteps {
 public:
  virtual ~GridSteps() = default;

  virtual void updateStatusPanels(PanelOccasion occasion) = 0;
  // Shows topic n through the topic loader (LoadTopic).
  virtual void loadTopic(TopicNumber n) = 0;
  // Gives the keyboard focus to the grid, or to the topic view while it is zoomed.
  virtual void focusGrid() = 0;
  virtual void onRowSelected(int row) = 0;
  virtual void onClickReaction() = 0;
};

}  // namespace qorl::gui
