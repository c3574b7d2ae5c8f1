// SPDX-License-Identifier: MIT
#include "gui/window/busy_indicator.h"

#include <QApplication>
#include <QProgressBar>

#include "gui/window/status_bar.h"

namespace qorl::gui {

WindowBusyIndicator::WindowBusyIndicator(QWidget* window, StatusBarPanels* statusBar)
    : window_(window), statusBar_(statusBar) {}

WindowBusyIndicator::~WindowBusyIndicator() {
  while (cursors_ > 0) {
    QApplication::restoreOverrideCursor();
    --cursors_;
  }
}

void WindowBusyIndicator::beginBusy(const std::string& hint, const BusyOptions& options) {
  ++depth_;
  if (options.disableWindow && window_ && window_->isEnabled()) {
    focus_ = window_->focusWidget();
    window_->setEnabled(false);
  }
  if (options.waitCursor) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++cursors_;
  }
  if (!statusBar_) return;
  statusBar_->progressBar()->setValue(0);
  if (options.showProgress) statusBar_->progressBar()->show();
  statusBar_->setPanelText(StatusBarPanels::kHintPanel, QString::fromStdString(hint));
  statusBar_->repaint();
}

void WindowBusyIndicator::showProgress() {
  if (!statusBar_) return;
  statusBar_->progressBar()->show();
  statusBar_->repaint();
}

void WindowBusyIndicator::setProgress(int percent) {
  if (!statusBar_) return;
  statusBar_->progressBar()->setValue(std::clamp(percent, 0, 100));
  statusBar_->progressBar()->repaint();
}

void WindowBusyIndicator::endBusy() {
  if (depth_ > 0) --depth_;
  if (statusBar_) {
    statusBar_->setPanelText(StatusBarPanels::kHintPanel, " ");
    if (depth_ == 0) statusBar_->progressBar()->hide();
    statusBar_->repaint();
  }
  if (cursors_ > 0) {
    QApplication::restoreOverrideCursor();
    --cursors_;
  }
  if (depth_ == 0 && window_ && !window_->isEnabled()) {
    window_->setEnabled(true);
    if (focus_ && focus_->isVisible() && focus_->isEnabled()) focus_->setFocus();
    focus_ = nullptr;
  }
}

}  // namespace qorl::gui
