// SPDX-License-Identifier: MIT
#pragma once
// Keeps the size of a dock window across runs: its extent across the side it is docked to
// (height at the top or bottom, width at the left or right). A stored extent is given to the
// dock when it is first shown; the extent as it stands follows the dock while it is shown, and
// stays what it last was while the dock is hidden.

#include <QObject>

class QDockWidget;
class QMainWindow;

namespace qorl::gui {

class DockExtent : public QObject {
  Q_OBJECT
 public:
  DockExtent(QMainWindow* window, QDockWidget* dock);

  // The extent to give the dock (0 or less: its own size).
  void apply(int extent);
  int extent() const { return extent_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool acrossWidth() const;
  void resizeDock();

  QMainWindow* window_;
  QDockWidget* dock_;
  int extent_ = 0;
  bool pending_ = false;  // extent_ is still to be given to the dock
};

}  // namespace qorl::gui
