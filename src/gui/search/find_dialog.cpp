// SPDX-License-Identifier: MIT
#include "gui/search/find_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace qorl::gui {

TFormFind::TFormFind(FindState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state) {
  setObjectName("FormFind");
  setWindowTitle("Find");
  setModal(true);

  auto* textGroup = new QGroupBox("Text to find", this);
  text_ = new QComboBox(textGroup);
  text_->setObjectName("FindTextEdit");
  text_->setEditable(true);
  text_->setInsertPolicy(QComboBox::NoInsert);
  // The text is searched as typed: no completion from the history.
  text_->setCompleter(nullptr);
  text_->setMinimumWidth(260);
  auto* textLayout = new QVBoxLayout(textGroup);
  textLayout->addWidget(text_);

  matchCase_ = new QCheckBox("Case sensitive", this);
  matchCase_->setObjectName("FindMatchCase");
  wholeWords_ = new QCheckBox("Whole words only", this);
  wholeWords_->setObjectName("FindWholeWords");

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
  left->addWidget(textGroup);
  left->addWidget(matchCase_);
  left->addWidget(wholeWords_);
  left->addWidget(searchIn_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  loadDialogControls();
}

void TFormFind::loadDialogControls() {
  const FindValues& v = state_.values();
  text_->clear();
  for (const std::string& entry : state_.history().entries())
    text_->addItem(QString::fromStdString(entry));
  text_->setCurrentIndex(-1);
  text_->setEditText(QString::fromStdString(v.text));
  matchCase_->setChecked(v.caseSensitive);
  wholeWords_->setChecked(v.wholeWords);
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
  v.text = text_->currentText().toStdString();
  v.caseSensitive = matchCase_->isChecked();
  v.wholeWords = wholeWords_->isChecked();
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
  text_->setFocus();
  text_->lineEdit()->selectAll();
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
