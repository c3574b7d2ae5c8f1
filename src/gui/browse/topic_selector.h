// SPDX-License-Identifier: MIT
#pragma once
// Showing a topic that was found somewhere else (a link, Back and Forward, a bookmark, a lookup,
// a search result): its row is selected in the grid and the topic loaded. The window hands the
// finders the one that also keeps the Find state, so the next search starts after that row.

#include "core/list/topic_table.h"

namespace qorl::gui {

class TopicSelector {
 public:
  virtual ~TopicSelector() = default;

  // Selects topic n's row, in the category shown when the topic is in it, else under All
  // categories as a lookup does, and shows the topic, whatever SingleClickView says.
  virtual void selectAndLoadTopic(TopicNumber n) = 0;
  // Selects and shows a topic found by a lookup; the next search starts after its row.
  virtual void showLocatedTopic(TopicNumber n) = 0;
  // A lookup found nothing.
  virtual void locateMissed() = 0;
};

}  // namespace qorl::gui
