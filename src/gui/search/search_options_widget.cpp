// SPDX-License-Identifier: MIT
#include "gui/search/search_options_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/search/find_history.h"

namespace qorl::gui {

SearchOptionsWidget::SearchOptionsWidget(const QString& namePrefix, Arrangement arrangement,
                                         QWidget* parent)
    : QWidget(parent) {
  const bool stacked = arrangement == Arrangement::Stacked;
  QGroupBox* textGroup = stacked ? new QGroupBox("Text to find", this) : nullptr;
  text_ = new QComboBox(stacked ? static_cast<QWidget*>(textGroup) : this);
  text_->setObjectName(namePrefix + "TextEdit");
  text_->setEditable(true);
  text_->setInsertPolicy(QComboBox::NoInsert);
  // The text is searched as typed: no completion from the history.
  text_->setCompleter(nullptr);
  matchCase_ = new QCheckBox("Case sensitive", this);
  matchCase_->setObjectName(namePrefix + "MatchCase");
  wholeWords_ = new QCheckBox("Whole words only", this);
  wholeWords_->setObjectName(namePrefix + "WholeWords");

  QBoxLayout* layout = nullptr;
  if (stacked) {
    text_->setMinimumWidth(260);
    auto* textLayout = new QVBoxLayout(textGroup);
    textLayout->addWidget(text_);
    layout = new QVBoxLayout(this);
    layout->addWidget(textGroup);
  } else {
    text_->setMinimumWidth(200);
    text_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout = new QHBoxLayout(this);
    layout->addWidget(text_, 1);
  }
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(matchCase_);
  layout->addWidget(wholeWords_);
}

std::string SearchOptionsWidget::text() const {
  return text_->currentText().toStdString();
}

bool SearchOptionsWidget::caseSensitive() const {
  return matchCase_->isChecked();
}

bool SearchOptionsWidget::wholeWords() const {
  return wholeWords_->isChecked();
}

void SearchOptionsWidget::setOptions(bool caseSensitive, bool wholeWords) {
  matchCase_->setChecked(caseSensitive);
  wholeWords_->setChecked(wholeWords);
}

void SearchOptionsWidget::showHistory(const FindHistory& history, const QString& text) {
  text_->clear();
  for (const std::string& entry : history.entries()) text_->addItem(QString::fromStdString(entry));
  text_->setCurrentIndex(-1);
  text_->setEditText(text);
}

void SearchOptionsWidget::focusText() {
  text_->setFocus();
  text_->lineEdit()->selectAll();
}

}  // namespace qorl::gui
