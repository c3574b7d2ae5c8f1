// SPDX-License-Identifier: MIT
#include "gui/search/full_text_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/search/full_text_preview_delegate.h"
#include "gui/search/full_text_results_model.h"

namespace qorl::gui {

FullTextPanel::FullTextPanel(FullTextResultsModel* model, QWidget* parent)
    : QDockWidget("Search All Topics", parent) {
  setObjectName("SearchPanel");
  auto* body = new QWidget(this);
  text_ = new QComboBox(body);
  text_->setObjectName("SearchPanelTextEdit");
  text_->setAccessibleName("Search text");
  text_->setEditable(true);
  text_->setInsertPolicy(QComboBox::NoInsert);
  text_->setCompleter(nullptr);
  text_->setMinimumWidth(200);
  text_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  matchCase_ = new QCheckBox("Case sensitive", body);
  matchCase_->setObjectName("SearchPanelMatchCase");
  wholeWords_ = new QCheckBox("Whole words only", body);
  wholeWords_->setObjectName("SearchPanelWholeWords");
  currentList_ = new QRadioButton("Current list", body);
  currentList_->setObjectName("SearchPanelCurrentList");
  currentList_->setChecked(true);
  allLists_ = new QRadioButton("All lists in the lists location", body);
  allLists_->setObjectName("SearchPanelAllLists");

  results_ = new QTreeView(body);
  results_->setObjectName("SearchPanelResults");
  results_->setAccessibleName("Search results");
  results_->setModel(model);
  results_->setRootIsDecorated(false);
  results_->setUniformRowHeights(true);
  results_->setAllColumnsShowFocus(true);
  results_->setItemDelegateForColumn(FullTextResultsModel::LineColumn,
                                     new FullTextPreviewDelegate(results_));
  results_->header()->setStretchLastSection(true);
  results_->setColumnWidth(FullTextResultsModel::ListColumn, 100);
  results_->setColumnWidth(FullTextResultsModel::TopicColumn, 140);
  results_->setColumnWidth(FullTextResultsModel::TitleColumn, 260);
  results_->setColumnWidth(FullTextResultsModel::HitsColumn, 45);
  showListColumn(false);
  count_ = new QLabel(body);
  count_->setObjectName("SearchPanelCount");
  count_->setAccessibleName("Search result count");
  count_->setTextFormat(Qt::PlainText);

  auto* options = new QHBoxLayout;
  options->addWidget(text_, 1);
  options->addWidget(matchCase_);
  options->addWidget(wholeWords_);
  options->addWidget(currentList_);
  options->addWidget(allLists_);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(options);
  layout->addWidget(results_, 1);
  layout->addWidget(count_);
  setWidget(body);

  connect(text_->lineEdit(), &QLineEdit::returnPressed, this, &FullTextPanel::searchRequested);
  // A click or Enter chooses a result; moving through the rows does not.
  connect(results_, &QTreeView::clicked, this,
          [this](const QModelIndex& index) { emit resultChosen(index.row()); });
  connect(results_, &QTreeView::activated, this,
          [this](const QModelIndex& index) { emit resultChosen(index.row()); });
}

FullTextPanelValues FullTextPanel::values() const {
  FullTextPanelValues v;
  v.text = text_->currentText().toStdString();
  v.caseSensitive = matchCase_->isChecked();
  v.wholeWords = wholeWords_->isChecked();
  v.allLists = allLists_->isChecked();
  return v;
}

void FullTextPanel::setValues(const FullTextPanelValues& values) {
  text_->setEditText(QString::fromStdString(values.text));
  matchCase_->setChecked(values.caseSensitive);
  wholeWords_->setChecked(values.wholeWords);
  (values.allLists ? allLists_ : currentList_)->setChecked(true);
}

void FullTextPanel::activate() {
  show();
  raise();
  text_->setFocus();
  text_->lineEdit()->selectAll();
}

void FullTextPanel::setCountText(const QString& text) {
  count_->setText(text);
}

void FullTextPanel::showListColumn(bool shown) {
  results_->setColumnHidden(FullTextResultsModel::ListColumn, !shown);
}

void FullTextPanel::addToHistory(const std::string& text) {
  history_.add(text);
  const QString typed = text_->currentText();
  text_->clear();
  for (const std::string& entry : history_.entries()) text_->addItem(QString::fromStdString(entry));
  text_->setCurrentIndex(-1);
  text_->setEditText(typed);
}

bool FullTextPanel::event(QEvent* event) {
  // Esc inside the panel stops the search instead of reaching the window's Unzoom shortcut.
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    event->accept();
    return true;
  }
  return QDockWidget::event(event);
}

void FullTextPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    emit stopRequested();
    event->accept();
    return;
  }
  QDockWidget::keyPressEvent(event);
}

}  // namespace qorl::gui
