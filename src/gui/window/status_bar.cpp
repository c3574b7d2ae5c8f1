// SPDX-License-Identifier: MIT
#include "gui/window/status_bar.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "core/app/layout_arithmetic.h"

namespace qorl::gui {

namespace {

// What each panel holds, for assistive technology (an empty panel has no text of its own).
const char* const kPanelNames[4] = {"Topic count", "Selected topic", "Current topic", "Status"};

}  // namespace

StatusBarPanels::StatusBarPanels(QWidget* parent) : QStatusBar(parent) {
  setAccessibleName("Status bar");
  setObjectName("StatusBar");
  setSizeGripEnabled(true);
  for (int i = 0; i < 4; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
    panels_[i]->setAccessibleName(kPanelNames[i]);
    panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    widths_[i] = kStatusPanelWidths[i];
    panels_[i]->setFixedWidth(widths_[i]);
    addWidget(panels_[i]);
  }
  progress_ = new QProgressBar(this);
  progress_->setObjectName("StatusProgressBar");
  progress_->setAccessibleName("Progress");
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->hide();
  placeProgressBar();
}

void StatusBarPanels::setPanelText(int panel, const QString& text) {
  panels_[panel]->setText(text);
  if (panel != kHintPanel) fitPanel(panel);
}

void StatusBarPanels::fitPanel(int panel) {
  // A panel is never narrower than its layout width and grows to show its whole text
  // ("280897 topics (280897 in category)"); the hint panel keeps its width.
  QLabel* label = panels_[panel];
  const int text = label->fontMetrics().horizontalAdvance(label->text());
  const int frame = 2 * label->frameWidth() + 2 * label->margin() + 6;
  const int width = std::max(widths_[panel], text + frame);
  if (width == label->width() && label->minimumWidth() == width) return;
  label->setFixedWidth(width);
  placeProgressBar();
}

QString StatusBarPanels::panelText(int panel) const {
  return panels_[panel]->text();
}

void StatusBarPanels::applyScale(double dpi) {
  for (int i = 0; i < 4; ++i) {
    widths_[i] = StatusPanelWidth(i, dpi);
    panels_[i]->setFixedWidth(widths_[i]);
    if (i != kHintPanel) fitPanel(i);
  }
  progressWidth_ = ProgressBarWidth(dpi);
  placeProgressBar();
}

void StatusBarPanels::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  placeProgressBar();
}

void StatusBarPanels::placeProgressBar() {
  // Over the first three panels, however wide their texts made them.
  int width = progressWidth_;
  for (int i = 0; i < kHintPanel; ++i) width += panels_[i]->minimumWidth() - widths_[i];
  progress_->setGeometry(0, 2, width, std::max(height() - 2, 1));
  progress_->raise();
}

QString LongHint(const QString& hint) {
  const qsizetype bar = hint.indexOf('|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace qorl::gui
