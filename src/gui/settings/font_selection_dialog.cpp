// SPDX-License-Identifier: MIT
#include "gui/settings/font_selection_dialog.h"

#include <QAbstractItemModel>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QLabel>
#include <QRawFont>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/settings/config_apply.h"

namespace qorl::gui {

FontSelectionDialog::FontSelectionDialog(QWidget* parent)
    : QDialog(parent),
      family_(new QFontComboBox(this)),
      size_(new QSpinBox(this)),
      sample_(new QLabel("AaBbYyZz 0123 INT 21/AH=4Ch", this)) {
  setObjectName("FontDialog");
  setWindowTitle("Font");
  // Fonts of the ANSI character set only. The box lists installed fonts and takes no typed
  // name, so only a font that exists can be chosen (typing still jumps to a listed name).
  family_->setWritingSystem(QFontDatabase::Latin);
  family_->setEditable(false);
  leaveOutFontsWithoutLatinLetters();
  size_->setRange(kMinTopicFontSize, kMaxTopicFontSize);
  size_->setSuffix(" pt");
  sample_->setMinimumSize(260, 48);
  sample_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  auto* fields = new QFormLayout;
  fields->addRow("&Font:", family_);
  fields->addRow("&Size:", size_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(sample_);
  layout->addWidget(buttons);

  connect(family_, &QFontComboBox::currentFontChanged, this, [this] { updateSample(); });
  connect(size_, &QSpinBox::valueChanged, this, [this] { updateSample(); });
  updateSample();
}

bool FontSelectionDialog::showsLatinLetters(const QString& family) {
  // Symbol fonts (Standard Symbols PS, Dingbats) claim the Latin writing system but draw
  // other signs, or nothing, for the letters and digits of the lists.
  const QRawFont raw = QRawFont::fromFont(QFont(family), QFontDatabase::Latin);
  if (!raw.isValid()) return false;
  for (const char32_t c : U"AMZamz09=/")
    if (c != 0 && !raw.supportsCharacter(c)) return false;
  return true;
}

void FontSelectionDialog::leaveOutFontsWithoutLatinLetters() {
  QAbstractItemModel* families = family_->model();
  for (int row = families->rowCount() - 1; row >= 0; --row) {
    if (!showsLatinLetters(families->index(row, 0).data().toString())) families->removeRow(row);
  }
}

void FontSelectionDialog::setInitialFont(const QFont& initial) {
  // The family the font really is drawn with: a name that is not installed (an old setting)
  // is not offered back as a choice.
  family_->setCurrentFont(QFont(QFontInfo(initial).family()));
  const int points = initial.pointSize() > 0 ? initial.pointSize() : kDefaultTopicFontSize;
  size_->setValue(points);  // QSpinBox keeps the value within its range
  updateSample();
}

QFont FontSelectionDialog::selectedFont() const {
  QFont font(family_->currentFont().family());
  font.setPointSize(size_->value());
  return font;
}

void FontSelectionDialog::updateSample() {
  sample_->setFont(selectedFont());
}

}  // namespace qorl::gui
