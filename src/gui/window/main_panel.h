// SPDX-License-Identifier: MIT
#pragma once
// `PanelMain`: the topics panel above the topic panel with the 3-pixel `Splitter` between them.
// The split follows the share TopicsHeightPerc within the bounds of the layout arithmetic; the
// user's splitter drags set the share once the window has been shown. Zoomed, the topic panel
// fills the whole of it.

#include <QWidget>

namespace qorl::gui {

class SplitterHandle;

class MainPanel : public QWidget {
  Q_OBJECT
 public:
  explicit MainPanel(QWidget* parent = nullptr);

  // The two sides; they become children of this panel.
  void setPanels(QWidget* topics, QWidget* currentTopic);
  QWidget* topicsPanel() const { return topics_; }
  QWidget* currentTopicPanel() const { return currentTopic_; }
  SplitterHandle* splitter() const { return splitter_; }

  double topicsShare() const { return share_; }
  void setTopicsShare(double share) { share_ = share; }
  // Splitter drags change the share only once this is set (the window-shown flag).
  void setWindowShown(bool shown) { windowShown_ = shown; }
  bool windowShown() const { return windowShown_; }

  bool zoomed() const { return zoomed_; }
  void setZoomed(bool zoomed);
  // Places both panels and the splitter for the current height and share.
  void relayout();
  // The user dragged the splitter so that the topics panel would be height pixels high.
  void dragSplitTo(int height);
  // The share taken anew from the heights as they are (tool-bar area resized).
  void retakeShare();

 signals:
  // After every layout: the grid columns are fitted to the new width.
  void laidOut();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* topics_ = nullptr;
  QWidget* currentTopic_ = nullptr;
  SplitterHandle* splitter_;
  double share_ = 0.5;
  bool windowShown_ = false;
  bool zoomed_ = false;
  int lastWindowHeight_ = -1;
};

// The splitter bar; dragging it asks the panel for a new split.
class SplitterHandle : public QWidget {
  Q_OBJECT
 public:
  explicit SplitterHandle(MainPanel* panel);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  MainPanel* panel_;
  int grabOffset_ = 0;
  bool dragging_ = false;
};

}  // namespace qorl::gui
