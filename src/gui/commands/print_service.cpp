#include "gui/commands/print_service.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace qorl::gui {

QtPrintService::QtPrintService() = default;
QtPrintService::~QtPrintService() = default;

QPrinter& QtPrintService::printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setCopyCount(1);
  }
  return *printer_;
}

bool QtPrintService::hasDefaultPrinter() const {
  return !QPrinterInfo::defaultPrinter().isNull();
}

bool QtPrintService::runPrintDialog(QPrinter& printer, bool offerSelection, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, offerSelection);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace qorl::gui
