// SPDX-License-Identifier: MIT
#pragma once
// Prints a text document page by page inside the page setup's margins, without header, footer
// or page numbers (QTextDocument::print would add its own 2 cm margins and page numbers to a
// document that is not paginated), honouring the copies, collation and page order the print
// dialog left on the printer.

#include <QMarginsF>

class QPrinter;
class QTextDocument;

namespace qorl::gui {

// Margins a printer starts with, in millimetres, and the least any side gets, so that text
// never runs to the paper's edge whatever the page setup says.
inline constexpr double kDefaultPrintMarginMm = 20.0;
inline constexpr double kLeastPrintMarginMm = 5.0;

// Gives printer the default margins on every side.
void SetDefaultPrintMargins(QPrinter& printer);

// Lays out a copy of document for the printer's page inside its margins (each at least
// kLeastPrintMarginMm) from the first character, starting a new page where one is full, and
// prints it as one job: every copy the printer cannot make itself, collated or not, and the
// pages last to first when the printer asks for that order. False when the printer cannot be
// opened or reports an error.
bool PrintTextDocument(const QTextDocument& document, QPrinter& printer);

}  // namespace qorl::gui
