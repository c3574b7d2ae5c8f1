// SPDX-License-Identifier: MIT
#include "gui/browse/category_badge.h"

#include <QFont>
#include <QPainter>

#include "core/browse/categories.h"
#include "core/browse/codepage437.h"

namespace qorl::gui {

void PaintCategoryBadge(QPainter& painter, const QRect& item, unsigned char category, bool disabled,
                        int charTop) {
  painter.save();
  // Windows rectangles exclude their right and bottom edges; QRect(x, y, w, h) does the same.
  const QRect box(item.left() + 1, item.top() + 1, 14, item.height() - 2);
  painter.fillRect(box, disabled ? BadgeGrey() : BadgeTeal());
  if (category == kAllCategories) {
    painter.fillRect(QRect(item.left() + 4, item.top() + 4, 8, item.height() - 8), Qt::white);
  } else {
    QFont font("Terminal");
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QRect text(item.left() + 5, charTop, 10, item.bottom() - charTop + 1);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, QString(QChar(Cp437ToUnicode(category))));
  }
  painter.restore();
}

}  // namespace qorl::gui
