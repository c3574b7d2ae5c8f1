// SPDX-License-Identifier: MIT
#pragma once
// Answers for the window's file dialogs and printer: preset file names, and a printer that
// writes a PDF file, with a print dialog that records what it offered.

#include <QPrinter>
#include <QString>
#include <QStringList>

#include "gui/commands/print_service.h"
#include "gui/window/file_dialogs.h"

namespace qorl::test {

class FakeFileDialogs final : public gui::FileDialogs {
 public:
  QString openList(QWidget*, const QString& folder) override {
    openFolders.append(folder);
    return openAnswer;
  }
  QString saveTopic(QWidget*, const QString& defaultName) override {
    saveDefaults.append(defaultName);
    return saveAnswer;
  }

  QString openAnswer;  // empty: cancelled
  QString saveAnswer;
  QStringList openFolders;   // the folder each open dialog was shown with
  QStringList saveDefaults;  // the name each save dialog proposed
};

class PdfPrintService final : public gui::PrintService {
 public:
  explicit PdfPrintService(const QString& pdfPath) {
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(pdfPath);
  }
  QPrinter& printer() override { return pdf; }
  bool hasDefaultPrinter() const override { return defaultPrinter; }
  bool runPrintDialog(QPrinter& printer, bool offerSelection, QWidget*) override {
    ++dialogs;
    offeredSelection = offerSelection;
    if (accept && chooseSelection && offerSelection) printer.setPrintRange(QPrinter::Selection);
    return accept;
  }

  QPrinter pdf{QPrinter::HighResolution};
  bool defaultPrinter = true;
  bool accept = true;            // the dialog's answer
  bool chooseSelection = false;  // the user picks the selection range when it is offered
  int dialogs = 0;
  bool offeredSelection = false;
};

}  // namespace qorl::test
