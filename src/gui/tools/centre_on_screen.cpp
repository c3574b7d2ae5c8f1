// SPDX-License-Identifier: MIT
#include "gui/tools/centre_on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace qorl::gui {

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  // The frame is known once the window has been shown; before that its client size stands in.
  const QRect frame = window->frameGeometry();
  const int width = frame.width() > 0 ? frame.width() : window->width();
  const int height = frame.height() > 0 ? frame.height() : window->height();
  window->move(area.x() + area.width() / 2 - width / 2, area.y() + area.height() / 2 - height / 2);
}

}  // namespace qorl::gui
