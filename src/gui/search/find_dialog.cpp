// SPDX-License-Identifier: MIT
#include "gui/search/find_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/search/search_options_widget.h"

namespace qorl::gui {

TFormFind::TFormFind(FindState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state) {
  setObjectName("FormFind");
  setWindowTitle("Find");
  setModal(true);

  options_ = new SearchOptionsWidget("Find", SearchOptionsWidget::Arrangement::Stacked, this);

  searchIn_ = new QGroupBox("Search in", this);
  searchIn_->setObjectName("SearchInRadio");
  scopeGroup_ = new QButtonGroup(this);
  auto* scopeLayout = new QVBoxLayout(searchIn_);
  const char* captions[] = {"Topic titles of current category", "Topic titles of all categories",
                            "Current topic"};
  for (int i = 0; i < 3; ++i) {
    scopes_[i] = new QRadioButton(captions[i], searchIn_);
    scopeGroup_->addButton(scopes_[i], i);
    scopeLayout->addWidget(scopes_[i]);
  }

  findButton_ = new QPushButton("Find", this);
  findButton_->setObjectName("FindButton");
  findButton_->setDefault(true);
  closeButton_ = new QPushButton("Cancel", this);
  closeButton_->setObjectName("CloseButton");
  connect(findButton_, &QPushButton::clicked, this, &TFormFind::findClicked);
  connect(closeButton_, &QPushButton::clicked, this, &TFormFind::reject);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(findButton_);
  buttons->addWidget(closeButton_);
  buttons->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(options_);
  left->addWidget(searchIn_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  loadDialogControls();
}

void TFormFind::loadDialogControls() {
  const FindValues& v = state_.values();
  options_->showHistory(state_.history(), QString::fromStdString(v.text));
  options_->setOptions(v.caseSensitive, v.wholeWords);
  const int scope = static_cast<int>(v.scope);
  if (scope >= 0 && scope < 3) {
    scopes_[scope]->setChecked(true);
  } else {
    // No scope chosen yet: no button is checked.
    scopeGroup_->setExclusive(false);
    for (QRadioButton* b : scopes_) b->setChecked(false);
    scopeGroup_->setExclusive(true);
  }
}

void TFormFind::applyDialogControls() {
  FindValues& v = state_.values();
  v.text = options_->text();
  v.caseSensitive = options_->caseSensitive();
  v.wholeWords = options_->wholeWords();
  const int scope = scopeGroup_->checkedId();
  v.scope = scope >= 0 ? static_cast<FindScope>(scope) : FindScope::None;
}

void TFormFind::prepareShow() {
  state_.dialogShown();
  loadDialogControls();
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  options_->focusText();
}

QComboBox* TFormFind::textEdit() const {
  return options_->textBox();
}

QCheckBox* TFormFind::matchCase() const {
  return options_->matchCase();
}

QCheckBox* TFormFind::wholeWords() const {
  return options_->wholeWordsBox();
}

void TFormFind::findClicked() {
  applyDialogControls();
  if (!state_.findPressed()) return;
  loadDialogControls();
  accept();
}

void TFormFind::reject() {
  applyDialogControls();
  state_.dialogClosed();
  loadDialogControls();
  QDialog::reject();
}

}  // namespace qorl::gui
