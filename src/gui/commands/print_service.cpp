// SPDX-License-Identifier: MIT
#include "gui/commands/print_service.h"

#include "gui/commands/document_printer.h"

#include <QEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>

namespace qorl::gui {
namespace {

// Qt's print dialog on Unix offers page ranges (and odd or even pages) through the print
// server even when the program asks for none, and each time it is shown it brings them back.
// Once it is on the screen, only "All" and, when offered, "Selection" are left.
class PageRangeHider final : public QObject {
 public:
  explicit PageRangeHider(bool offerSelection) : offerSelection_(offerSelection) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType())
      limitTo(*static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
  }

 private:
  void limitTo(QWidget& dialog) const {
    auto* all = dialog.findChild<QRadioButton*>("printAll");
    auto* selection = dialog.findChild<QRadioButton*>("printSelection");
    if (auto* group = dialog.findChild<QWidget*>("gbPrintRange")) {
      for (QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control == all || (offerSelection_ && control == selection)) continue;
        if (auto* radio = qobject_cast<QRadioButton*>(control); radio && radio->isChecked() && all)
          all->setChecked(true);
        control->hide();
      }
      group->setVisible(offerSelection_);
    }
    for (const char* name : {"pageSetCombo", "pageSetLabel"})
      if (auto* control = dialog.findChild<QWidget*>(name)) control->hide();
  }

  bool offerSelection_;
};

}  // namespace

QtPrintService::QtPrintService() = default;
QtPrintService::~QtPrintService() = default;

QPrinter& QtPrintService::printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setCopyCount(1);
    SetDefaultPrintMargins(*printer_);
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
  PageRangeHider hider(offerSelection);
  dialog.installEventFilter(&hider);
  if (dialog.exec() != QDialog::Accepted) return false;
  // Whatever a dialog offered, a topic is printed whole or as its selection.
  if (printer.printRange() != QPrinter::Selection) {
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
  }
  return true;
}

}  // namespace qorl::gui
