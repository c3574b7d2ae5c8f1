// SPDX-License-Identifier: MIT
#include "gui/window/theme_follower.h"

#include <QEvent>
#include <QWidget>

#include "gui/window/action_icons.h"

namespace qorl::gui {

ThemeFollower::ThemeFollower(QWidget* window) : QObject(window), window_(window) {
  window->installEventFilter(this);
}

bool ThemeFollower::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    switch (event->type()) {
      case QEvent::PaletteChange:
      case QEvent::StyleChange:
      case QEvent::ThemeChange:
        RedrawActionIcons(*window_);
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qorl::gui
