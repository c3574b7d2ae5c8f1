#include "gui/app/message_box_service.h"

#include <QMessageBox>

namespace qorl::gui {

void MessageBoxService::warning(const std::string& text) {
  QMessageBox::warning(parent_, "Warning", QString::fromStdString(text));
}

void MessageBoxService::information(const std::string& text) {
  QMessageBox::information(parent_, "Information", QString::fromStdString(text));
}

void MessageBoxService::error(const std::string& text) {
  QMessageBox::critical(parent_, "Error", QString::fromStdString(text));
}

bool MessageBoxService::confirm(const std::string& text) {
  return QMessageBox::question(parent_, "Confirm", QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace qorl::gui
