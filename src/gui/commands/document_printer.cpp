#include "gui/commands/document_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <memory>

namespace qorl::gui {

bool PrintTextDocument(const QTextDocument& document, QPrinter& printer) {
  // The printable area without any margin of the program's own.
  printer.setFullPage(false);
  const QPageLayout layout = printer.pageLayout();
  printer.setPageMargins(layout.minimumMargins(), layout.units());
  QPainter painter;
  if (!printer.isValid() || !painter.begin(&printer)) return false;

  std::unique_ptr<QTextDocument> copy(document.clone());
  // Formats that a view laid over its blocks (not part of the text) print as well.
  for (QTextBlock from = document.firstBlock(), to = copy->firstBlock();
       from.isValid() && to.isValid(); from = from.next(), to = to.next()) {
    to.layout()->setFormats(from.layout()->formats());
  }
  copy->documentLayout()->setPaintDevice(&printer);
  copy->setDocumentMargin(0);
  const QSizeF page(printer.width(), printer.height());
  copy->setPageSize(page);

  const int pages = copy->pageCount();
  bool ok = true;
  for (int i = 0; i < pages && ok; ++i) {
    if (i > 0 && !printer.newPage()) {
      ok = false;
      break;
    }
    const QRectF clip(0, i * page.height(), page.width(), page.height());
    painter.save();
    painter.translate(0, -clip.top());
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, Qt::black);
    copy->documentLayout()->draw(&painter, context);
    painter.restore();
  }
  if (!painter.end()) ok = false;
  return ok && printer.printerState() != QPrinter::Error;
}

}  // namespace qorl::gui
