// SPDX-License-Identifier: MIT
#include "gui/window/main_panel.h"

#include <QMouseEvent>
#include <QResizeEvent>

#include "core/app/layout_arithmetic.h"

namespace qorl::gui {

MainPanel::MainPanel(QWidget* parent) : QWidget(parent), splitter_(new SplitterHandle(this)) {
  setObjectName("PanelMain");
  setMinimumHeight(MinMainPanelHeight());
}

void MainPanel::setPanels(QWidget* topics, QWidget* currentTopic) {
  topics_ = topics;
  currentTopic_ = currentTopic;
  topics_->setParent(this);
  currentTopic_->setParent(this);
  splitter_->raise();
  relayout();
}

void MainPanel::setZoomed(bool zoomed) {
  if (zoomed_ == zoomed) return;
  zoomed_ = zoomed;
  if (!topics_) return;
  topics_->setVisible(!zoomed);
  splitter_->setVisible(!zoomed);
  relayout();
}

void MainPanel::relayout() {
  if (!topics_ || !currentTopic_) return;
  const int h = height();
  const int w = width();
  if (zoomed_) {
    currentTopic_->setGeometry(0, 0, w, h);
    emit laidOut();
    return;
  }
  const int v = TopicsPanelHeight(h, share_);
  topics_->setGeometry(0, 0, w, v);
  splitter_->setGeometry(0, v, w, kSplitterHeight);
  const int below = v + kSplitterHeight;
  currentTopic_->setGeometry(0, below, w, std::max(h - below, 0));
  emit laidOut();
}

void MainPanel::dragSplitTo(int heightWanted) {
  if (!topics_ || zoomed_) return;
  const int h = height();
  const int v = std::clamp(heightWanted, kSplitMinimum,
                           std::max(kSplitMinimum, h - kSplitterHeight - kSplitMinimum));
  if (windowShown_ && h > 0) share_ = static_cast<double>(v) / h;
  // Before the window is shown the share stays; the layout follows it.
  if (windowShown_) {
    topics_->setGeometry(0, 0, width(), v);
    splitter_->setGeometry(0, v, width(), kSplitterHeight);
    currentTopic_->setGeometry(0, v + kSplitterHeight, width(),
                               std::max(h - v - kSplitterHeight, 0));
    emit laidOut();
  } else {
    relayout();
  }
}

void MainPanel::retakeShare() {
  if (windowShown_ && topics_ && !zoomed_ && height() > 0)
    share_ = static_cast<double>(topics_->height()) / height();
}

void MainPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // When the bars around the panel change size (tool bars dragged or wrapped) and the window
  // does not, the topics panel keeps its height and the share is taken anew from it.
  const int windowHeight = window() != this ? window()->height() : -1;
  if (windowHeight >= 0 && windowHeight == lastWindowHeight_ &&
      event->oldSize().height() != event->size().height())
    retakeShare();
  lastWindowHeight_ = windowHeight;
  relayout();
}

SplitterHandle::SplitterHandle(MainPanel* panel) : QWidget(panel), panel_(panel) {
  setObjectName("Splitter");
  setCursor(Qt::SizeVerCursor);
}

void SplitterHandle::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  grabOffset_ = event->position().toPoint().y();
}

void SplitterHandle::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const int y = mapTo(panel_, event->position().toPoint()).y() - grabOffset_;
  panel_->dragSplitTo(y);
}

void SplitterHandle::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace qorl::gui
