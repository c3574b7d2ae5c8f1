// SPDX-License-Identifier: MIT
#pragma once
// The status bar `StatusBar`: four panels of the layout's widths (topic counts, "Sel: ", "Cur: ",
// the status hint; a panel widens when its text needs it) and the progress bar that covers the
// first three while a long operation runs.

#include <QStatusBar>

class QLabel;
class QProgressBar;

namespace qorl::gui {

class StatusBarPanels : public QStatusBar {
  Q_OBJECT
 public:
  static constexpr int kHintPanel = 3;

  explicit StatusBarPanels(QWidget* parent = nullptr);

  void setPanelText(int panel, const QString& text);
  QString panelText(int panel) const;
  QLabel* panel(int i) const { return panels_[i]; }
  // Panel widths for the screen's resolution; the progress bar follows the first three.
  void applyScale(double dpi);
  QProgressBar* progressBar() const { return progress_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeProgressBar();
  void fitPanel(int panel);

  QLabel* panels_[4];
  int widths_[4] = {};
  QProgressBar* progress_;
  int progressWidth_ = 290;
};

// The long part of a hint: the text after the first "|", or the whole hint.
QString LongHint(const QString& hint);

}  // namespace qorl::gui
