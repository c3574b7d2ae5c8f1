#include "gui/window/status_bar.h"

#include <QLabel>
#include <QProgressBar>

#include "core/app/layout_arithmetic.h"

namespace qorl::gui {

StatusBarPanels::StatusBarPanels(QWidget* parent) : QStatusBar(parent) {
  setObjectName("StatusBar");
  setSizeGripEnabled(true);
  for (int i = 0; i < 4; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
    panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panels_[i]->setFixedWidth(kStatusPanelWidths[i]);
    addWidget(panels_[i]);
  }
  progress_ = new QProgressBar(this);
  progress_->setObjectName("StatusProgressBar");
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->hide();
  placeProgressBar();
}

void StatusBarPanels::setPanelText(int panel, const QString& text) {
  panels_[panel]->setText(text);
}

QString StatusBarPanels::panelText(int panel) const {
  return panels_[panel]->text();
}

void StatusBarPanels::applyScale(double dpi) {
  for (int i = 0; i < 4; ++i) panels_[i]->setFixedWidth(StatusPanelWidth(i, dpi));
  progressWidth_ = ProgressBarWidth(dpi);
  placeProgressBar();
}

void StatusBarPanels::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  placeProgressBar();
}

void StatusBarPanels::placeProgressBar() {
  progress_->setGeometry(0, 2, progressWidth_, std::max(height() - 2, 1));
  progress_->raise();
}

QString LongHint(const QString& hint) {
  const qsizetype bar = hint.indexOf('|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace qorl::gui
