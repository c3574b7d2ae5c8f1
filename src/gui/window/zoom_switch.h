// SPDX-License-Identifier: MIT
#pragma once
// Zoom Topic: the topic view fills the main panel, or the grid and the split come back. The
// zoom state is the checked state of `OptionsZoomTopicCmd`.

class QAction;
class QWidget;

namespace qorl::gui {

class MainPanel;

class ZoomSwitch {
 public:
  ZoomSwitch(MainPanel* panel, QAction* zoomAction, QWidget* topicView, QWidget* grid);

  bool zoomed() const;
  // Flips zoom (F5, the Zoom button, the menu).
  void toggle();
  // Leaves zoom when zoomed (Esc, opening and closing a list).
  void leave();

 private:
  MainPanel* panel_;
  QAction* action_;
  QWidget* topicView_;
  QWidget* grid_;
};

}  // namespace qorl::gui
