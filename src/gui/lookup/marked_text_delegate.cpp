// SPDX-License-Identifier: MIT
#include "gui/lookup/marked_text_delegate.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace qorl::gui {

void MarkedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const QVariant marked = index.data(Qt::UserRole);
  if (!marked.isValid()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem plain = option;
  initStyleOption(&plain, index);
  plain.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

  QTextDocument document;
  document.setDocumentMargin(0);
  document.setDefaultFont(option.font);
  document.setHtml(marked.toString());
  const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &plain, widget);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = option.palette;
  const bool selected = option.state & QStyle::State_Selected;
  context.palette.setColor(
      QPalette::Text, option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->save();
  painter->translate(text.left() + 2, text.top() + (text.height() - document.size().height()) / 2);
  painter->setClipRect(QRectF(0, 0, text.width() - 2, text.height()));
  document.documentLayout()->draw(painter, context);
  painter->restore();
}

}  // namespace qorl::gui
