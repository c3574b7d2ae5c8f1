#pragma once
// Prints a text document page by page on the printer's whole printable area: no margins, no
// header, no footer, no page numbers (QTextDocument::print would add 2 cm margins and page
// numbers to a document that is not paginated).

class QPrinter;
class QTextDocument;

namespace qorl::gui {

// Lays out a copy of document for the printer from the first character, starting a new page
// where one is full, and prints it as one job. False when the printer cannot be opened or
// reports an error.
bool PrintTextDocument(const QTextDocument& document, QPrinter& printer);

}  // namespace qorl::gui
