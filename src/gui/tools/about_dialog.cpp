// SPDX-License-Identifier: MIT
#include "gui/tools/about_dialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "core/app/program_version.h"
#include "gui/tools/about_banner.h"
#include "gui/tools/centre_on_screen.h"

namespace qorl::gui {
namespace {

QLabel* WhiteLabel(const QString& text, const char* name, int x, int y, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setStyleSheet("color: white; background: transparent;");
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("FormAbout");
  setWindowTitle("About");
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  setFont(font);
  setFixedSize(320, 202);

  auto* bevel = new QFrame(this);
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setLineWidth(1);
  bevel->setGeometry(8, 8, 304, 154);
  auto* picture = new QLabel(this);
  picture->setObjectName("Image");
  picture->setGeometry(10, 10, kBannerWidth, kBannerHeight);
  picture->setPixmap(AboutBanner());

  version_ = WhiteLabel("Version", "Version", 36, 112, this);
  copyright_ =
      WhiteLabel(QString::fromUtf8("\u00a9 2026 the Qorl Viewer authors \u00b7 MIT licence"),
                 "Copyright", 36, 128, this);

  okButton_ = new QPushButton("Ok", this);
  okButton_->setObjectName("OkButton");
  okButton_->setGeometry(244, 172, 69, 23);
  okButton_->setDefault(true);
  okButton_->setFocus();
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormAbout::showEvent(QShowEvent* event) {
  CentreOnScreen(this);
  // Built afresh at each showing, never appended to.
  version_->setText(QString::fromStdString(AboutVersionText(ReadVersion())));
  version_->adjustSize();
  okButton_->setFocus();
  QDialog::showEvent(event);
}

void TFormAbout::keyPressEvent(QKeyEvent* event) {
  // Without a cancel button, Esc does not close the box.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace qorl::gui
