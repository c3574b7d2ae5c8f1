// SPDX-License-Identifier: MIT
#include "gui/window/dock_extent.h"

#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace qorl::gui {

DockExtent::DockExtent(QMainWindow* window, QDockWidget* dock)
    : QObject(dock), window_(window), dock_(dock) {
  dock_->installEventFilter(this);
}

bool DockExtent::acrossWidth() const {
  const Qt::DockWidgetArea area = window_->dockWidgetArea(dock_);
  return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
}

void DockExtent::apply(int extent) {
  if (extent <= 0) return;
  extent_ = extent;
  pending_ = true;
  if (dock_->isVisible()) resizeDock();
}

void DockExtent::resizeDock() {
  if (!pending_ || dock_->isFloating()) return;
  pending_ = false;
  window_->resizeDocks({dock_}, {extent_}, acrossWidth() ? Qt::Horizontal : Qt::Vertical);
}

bool DockExtent::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dock_) {
    if (event->type() == QEvent::Show && pending_) {
      // The main window lays the dock out after it is shown; the size is given after that.
      QTimer::singleShot(0, this, [this] { resizeDock(); });
    } else if (event->type() == QEvent::Resize && dock_->isVisible() && !pending_ &&
               !dock_->isFloating()) {
      extent_ = acrossWidth() ? dock_->width() : dock_->height();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qorl::gui
