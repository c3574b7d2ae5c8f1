// SPDX-License-Identifier: MIT
#include "gui/search/full_text_preview_delegate.h"

#include <QApplication>
#include <QPainter>

#include "gui/search/full_text_results_model.h"

namespace qorl::gui {

void FullTextPreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QString line = item.text;
  const QPoint hit = index.data(FullTextResultsModel::HitRole).toPoint();
  // The cell's background and selection as the style draws them, without the text.
  item.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

  const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
  painter->save();
  painter->setClipRect(area);
  painter->setPen(item.palette.color(QPalette::Normal, (option.state & QStyle::State_Selected)
                                                           ? QPalette::HighlightedText
                                                           : QPalette::Text));
  const int start = std::clamp(hit.x(), 0, static_cast<int>(line.size()));
  const int length = std::clamp(hit.y(), 0, static_cast<int>(line.size()) - start);
  QFont bold = item.font;
  bold.setBold(true);
  int x = area.left() + 2;
  const QString pieces[3] = {line.left(start), line.mid(start, length), line.mid(start + length)};
  for (int i = 0; i < 3 && x < area.right(); ++i) {
    const QFont& font = i == 1 ? bold : item.font;
    painter->setFont(font);
    painter->drawText(QRect(x, area.top(), area.right() - x, area.height()),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, pieces[i]);
    x += QFontMetrics(font).horizontalAdvance(pieces[i]);
  }
  painter->restore();
}

}  // namespace qorl::gui
