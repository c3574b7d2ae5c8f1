// SPDX-License-Identifier: MIT
#include "gui/commands/document_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>
#include <memory>
#include <vector>

namespace qorl::gui {
namespace {

// The page setup's margins, each raised to the printer's minimum and to the least margin.
void RaiseMargins(QPrinter& printer) {
  printer.setFullPage(false);
  const QPageLayout layout = printer.pageLayout();
  const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
  const QMarginsF minimum =
      QPageLayout(layout.pageSize(), layout.orientation(), layout.minimumMargins(), layout.units())
          .margins(QPageLayout::Millimeter);
  auto raise = [](double side, double printerMinimum) {
    return std::max({side, printerMinimum, kLeastPrintMarginMm});
  };
  printer.setPageMargins(
      QMarginsF(raise(margins.left(), minimum.left()), raise(margins.top(), minimum.top()),
                raise(margins.right(), minimum.right()), raise(margins.bottom(), minimum.bottom())),
      QPageLayout::Millimeter);
}

}  // namespace

void SetDefaultPrintMargins(QPrinter& printer) {
  printer.setPageMargins(QMarginsF(kDefaultPrintMarginMm, kDefaultPrintMarginMm,
                                   kDefaultPrintMarginMm, kDefaultPrintMarginMm),
                         QPageLayout::Millimeter);
}

bool PrintTextDocument(const QTextDocument& document, QPrinter& printer) {
  RaiseMargins(printer);
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

  // The pages in the order they leave the printer: copies the printer does not make itself
  // are printed here, one whole set after the other when collated.
  const int pages = copy->pageCount();
  std::vector<int> order(static_cast<size_t>(pages));
  for (int i = 0; i < pages; ++i) order[static_cast<size_t>(i)] = i;
  if (printer.pageOrder() == QPrinter::LastPageFirst) std::reverse(order.begin(), order.end());
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  std::vector<int> sheets;
  if (printer.collateCopies()) {
    for (int c = 0; c < copies; ++c) sheets.insert(sheets.end(), order.begin(), order.end());
  } else {
    for (int p : order) sheets.insert(sheets.end(), static_cast<size_t>(copies), p);
  }

  bool ok = true;
  for (size_t s = 0; s < sheets.size() && ok; ++s) {
    if (s > 0 && !printer.newPage()) {
      ok = false;
      break;
    }
    const QRectF clip(0, sheets[s] * page.height(), page.width(), page.height());
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
