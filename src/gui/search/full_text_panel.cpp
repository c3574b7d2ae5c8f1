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
#include "gui/search/search_options_widget.h"

namespace qorl::gui {

FullTextPanel::FullTextPanel(FullTextResultsModel* model, QWidget* parent)
    : QDockWidget("Search All Topics", parent) {
  setObjectName("SearchPanel");
  auto* body = new QWidget(this);
  options_ = new SearchOptionsWidget("SearchPanel", SearchOptionsWidget::Arrangement::InRow, body);
  options_->textBox()->setAccessibleName("Search text");
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
  options->addWidget(options_, 1);
  options->addWidget(currentList_);
  options->addWidget(allLists_);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(options);
  layout->addWidget(results_, 1);
  layout->addWidget(count_);
  setWidget(body);

  connect(options_->textBox()->lineEdit(), &QLineEdit::returnPressed, this,
          &FullTextPanel::searchRequested);
  // A click or Enter chooses a result; moving through the rows does not.
  connect(results_, &QTreeView::clicked, this,
          [this](const QModelIndex& index) { emit resultChosen(index.row()); });
  connect(results_, &QTreeView::activated, this,
          [this](const QModelIndex& index) { emit resultChosen(index.row()); });
}

FullTextPanelValues FullTextPanel::values() const {
  FullTextPanelValues v;
  v.text = options_->text();
  v.caseSensitive = options_->caseSensitive();
  v.wholeWords = options_->wholeWords();
  v.allLists = allLists_->isChecked();
  return v;
}

void FullTextPanel::setValues(const FullTextPanelValues& values) {
  options_->textBox()->setEditText(QString::fromStdString(values.text));
  options_->setOptions(values.caseSensitive, values.wholeWords);
  (values.allLists ? allLists_ : currentList_)->setChecked(true);
}

void FullTextPanel::activate() {
  show();
  raise();
  options_->focusText();
}

void FullTextPanel::setCountText(const QString& text) {
  count_->setText(text);
}

void FullTextPanel::showListColumn(bool shown) {
  results_->setColumnHidden(FullTextResultsModel::ListColumn, !shown);
}

void FullTextPanel::addToHistory(const std::string& text) {
  history_.add(text);
  options_->showHistory(history_, options_->textBox()->currentText());
}

QComboBox* FullTextPanel::textBox() const {
  return options_->textBox();
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
