// SPDX-License-Identifier: MIT
#include "gui/window/message_box_service.h"

#include <QMessageBox>

namespace qorl::gui {

namespace {

// Messages carry file names and search texts as typed; they are shown as plain text, so that a
// text such as "<b>" is not read as markup.
QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const char* title,
                                 const std::string& text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, QString::fromUtf8(title), QString::fromStdString(text), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBoxService::warning(const std::string& text) {
  Show(parent_, QMessageBox::Warning, "Warning", text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxService::information(const std::string& text) {
  Show(parent_, QMessageBox::Information, "Information", text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxService::error(const std::string& text) {
  Show(parent_, QMessageBox::Critical, "Error", text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBoxService::confirm(const std::string& text) {
  return Show(parent_, QMessageBox::Question, "Confirm", text, QMessageBox::Yes | QMessageBox::No,
              QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace qorl::gui
