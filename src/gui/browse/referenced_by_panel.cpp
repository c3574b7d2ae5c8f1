// SPDX-License-Identifier: MIT
#include "gui/browse/referenced_by_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qorl::gui {

ReferencedByPanel::ReferencedByPanel(QWidget* parent) : QDockWidget("Referenced By", parent) {
  setObjectName("ReferencedByPanel");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(2, 2, 2, 2);
  note_ = new QLabel(body);
  note_->setObjectName("ReferencedByNote");
  note_->setTextFormat(Qt::PlainText);
  note_->setWordWrap(true);
  progress_ = new QProgressBar(body);
  progress_->setObjectName("ReferencedByProgress");
  progress_->setAccessibleName("Reading the references");
  progress_->setRange(0, 100);
  progress_->hide();
  results_ = new QTreeWidget(body);
  results_->setObjectName("ReferencedByResults");
  results_->setAccessibleName("Topics that refer to the topic on view");
  results_->setRootIsDecorated(false);
  results_->setUniformRowHeights(true);
  results_->setAllColumnsShowFocus(true);
  results_->setHeaderLabels({"List", "Topic", "Title", "Line"});
  results_->header()->setStretchLastSection(true);
  layout->addWidget(note_);
  layout->addWidget(progress_);
  layout->addWidget(results_, 1);
  setWidget(body);
  connect(results_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { emit rowChosen(results_->indexOfTopLevelItem(item)); });
}

}  // namespace qorl::gui
