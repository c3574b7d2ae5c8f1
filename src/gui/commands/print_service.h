// SPDX-License-Identifier: MIT
#pragma once
// The printer and the print dialog of the main window behind a small interface, so that tests
// can print to a PDF file and answer the dialog.

#include <memory>

class QPrinter;
class QWidget;

namespace qorl::gui {

class PrintService {
 public:
  virtual ~PrintService() = default;
  // The printer topics go to. It is kept between jobs, with the print range and copies the
  // dialog last left.
  virtual QPrinter& printer() = 0;
  // True when a default printer is installed (printing without the dialog needs one).
  virtual bool hasDefaultPrinter() const = 0;
  // Shows the print dialog for printer; false when cancelled. The selection range is offered
  // only when offerSelection is set; page ranges never are.
  virtual bool runPrintDialog(QPrinter& printer, bool offerSelection, QWidget* parent) = 0;
};

// The platform's default printer and Qt's print dialog. One copy at start.
class QtPrintService final : public PrintService {
 public:
  QtPrintService();
  ~QtPrintService() override;
  QPrinter& printer() override;
  bool hasDefaultPrinter() const override;
  bool runPrintDialog(QPrinter& printer, bool offerSelection, QWidget* parent) override;

 private:
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace qorl::gui
