// SPDX-License-Identifier: MIT
#include "gui/browse/category_badge_delegate.h"

#include <QPainter>

#include "core/browse/categories.h"
#include "gui/browse/category_badge.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/codepage437.h"
#include "gui/window/palette_colours.h"

namespace qorl::gui {

CategoryBadgeDelegate::CategoryBadgeDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void CategoryBadgeDelegate::paintEntry(QPainter& painter, const QRect& rect,
                                       const QByteArray& entry, bool selected, bool disabled,
                                       const QPalette& palette) {
  if (entry.isEmpty()) return;
  const auto category = static_cast<unsigned char>(entry.at(0));
  const bool all = category == kAllCategories;
  PaintCategoryBadge(painter, rect, category, disabled, rect.top() + 4);

  const QRect textArea(rect.left() + 15, rect.top(), rect.width() - 15, rect.height());
  QColor text = palette.color(QPalette::WindowText);
  if (selected) {
    painter.fillRect(textArea, palette.color(QPalette::Highlight));
    text = palette.color(QPalette::HighlightedText);
  } else {
    painter.fillRect(textArea, palette.color(QPalette::Base));
    if (disabled) {
      text = BadgeGrey();
    } else if (all) {
      text = CategoryTealFor(palette);
    }
  }
  painter.save();
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  painter.setFont(font);
  painter.setPen(text);
  painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   FromCp437(std::string_view(entry.constData() + 1,
                                              static_cast<std::size_t>(entry.size() - 1))));
  painter.restore();
}

void CategoryBadgeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const QByteArray entry = index.data(CategoryComboBox::EntryBytesRole).toByteArray();
  const bool selected = option.state & QStyle::State_Selected;
  const bool disabled = !(option.state & QStyle::State_Enabled);
  paintEntry(*painter, option.rect, entry, selected, disabled, option.palette);
}

QSize CategoryBadgeDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(itemHeight_);
  return size;
}

}  // namespace qorl::gui
