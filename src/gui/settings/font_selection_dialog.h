// SPDX-License-Identifier: MIT
#pragma once
// The topic font selection: installed fonts of the Latin (ANSI) writing system that draw Latin
// letters (no symbol fonts) and a size from
// 5 to 20 points. Only the chosen family and point size are used.

#include <QDialog>
#include <QFont>

class QFontComboBox;
class QLabel;
class QSpinBox;

namespace qorl::gui {

class FontSelectionDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FontSelectionDialog(QWidget* parent = nullptr);

  // Preselects initial's family and size (the size brought into range).
  void setInitialFont(const QFont& initial);
  QFont selectedFont() const;
  QFontComboBox* familyBox() const { return family_; }
  QSpinBox* sizeBox() const { return size_; }
  // True when family is installed and draws the letters and digits of the lists.
  static bool showsLatinLetters(const QString& family);

 private:
  void updateSample();
  void leaveOutFontsWithoutLatinLetters();

  QFontComboBox* family_;
  QSpinBox* size_;
  QLabel* sample_;
};

}  // namespace qorl::gui
