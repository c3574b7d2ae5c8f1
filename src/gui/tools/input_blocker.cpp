// SPDX-License-Identifier: MIT
#include "gui/tools/input_blocker.h"

#include <QCoreApplication>
#include <QEvent>

namespace qorl::gui {

InputBlocker::InputBlocker(QWidget* window) : window_(window) {
  if (auto* app = QCoreApplication::instance()) app->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
  if (auto* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool InputBlocker::isInputEvent(const QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  if (isInputEvent(event)) return true;
  if (event->type() == QEvent::Close && watched == window_) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qorl::gui
