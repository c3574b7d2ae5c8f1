// SPDX-License-Identifier: MIT
#include "gui/window/zoom_switch.h"

#include <QAction>
#include <QWidget>

#include "gui/window/main_panel.h"

namespace qorl::gui {

ZoomSwitch::ZoomSwitch(MainPanel* panel, QAction* zoomAction, QWidget* topicView, QWidget* grid)
    : panel_(panel), action_(zoomAction), topicView_(topicView), grid_(grid) {}

bool ZoomSwitch::zoomed() const {
  return panel_->zoomed();
}

void ZoomSwitch::toggle() {
  const bool zoomIn = !panel_->zoomed();
  QWidget* window = panel_->window();
  // One repaint at the end instead of one per step.
  window->setUpdatesEnabled(false);
  action_->setChecked(zoomIn);
  panel_->setZoomed(zoomIn);
  if (zoomIn) {
    topicView_->show();
    topicView_->setFocus();
  } else {
    grid_->setFocus();
  }
  window->setUpdatesEnabled(true);
}

void ZoomSwitch::leave() {
  if (zoomed()) toggle();
}

}  // namespace qorl::gui
