// SPDX-License-Identifier: MIT
#pragma once
// The About box: the banner with the program's version and notice line written over it, and the
// Ok button. Each showing centres it and rebuilds the version text. There is no cancel button,
// so Esc does nothing; Ok and the close box close it.

#include <QDialog>

class QLabel;
class QPushButton;

namespace qorl::gui {

class TFormAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TFormAbout(QWidget* parent = nullptr);

  QLabel* versionLabel() const { return version_; }
  QLabel* copyrightLabel() const { return copyright_; }
  QPushButton* okButton() const { return okButton_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* version_ = nullptr;
  QLabel* copyright_ = nullptr;
  QPushButton* okButton_ = nullptr;
};

}  // namespace qorl::gui
