// SPDX-License-Identifier: MIT
#include "gui/window/dock_placement.h"

#include <QDockWidget>
#include <QMainWindow>

namespace qorl::gui {

void PlaceDock(QMainWindow& window, QDockWidget* dock, std::int32_t area, bool visible) {
  const auto side = static_cast<Qt::DockWidgetArea>(area);
  if (side == Qt::LeftDockWidgetArea || side == Qt::RightDockWidgetArea ||
      side == Qt::TopDockWidgetArea || side == Qt::BottomDockWidgetArea)
    window.addDockWidget(side, dock);
  dock->setVisible(visible);
}

}  // namespace qorl::gui
