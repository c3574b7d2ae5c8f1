// SPDX-License-Identifier: MIT
#pragma once
// The busy pattern of the viewer: the main window disabled, the wait cursor, the status-bar
// progress bar and hint, the status bar repainted at once; all undone at the end. A disabled
// window loses its keyboard focus; the control that had it gets it back when the window is
// enabled again.

#include <QPointer>
#include <QWidget>

#include "core/list/busy.h"

namespace qorl::gui {

class StatusBarPanels;

class WindowBusyIndicator final : public BusyIndicator {
 public:
  WindowBusyIndicator(QWidget* window, StatusBarPanels* statusBar);
  ~WindowBusyIndicator() override;

  void beginBusy(const std::string& hint, const BusyOptions& options) override;
  void showProgress() override;
  void setProgress(int percent) override;
  void endBusy() override;

  bool busy() const { return depth_ > 0; }

 private:
  QPointer<QWidget> window_;
  QPointer<StatusBarPanels> statusBar_;
  QPointer<QWidget> focus_;  // the window's focused control before it was disabled
  int depth_ = 0;
  int cursors_ = 0;
};

}  // namespace qorl::gui
