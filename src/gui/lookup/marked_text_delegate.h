// SPDX-License-Identifier: MIT
#pragma once
// Draws a cell whose Qt::UserRole holds rich text (the matched parts of a Go to Topic row in
// bold) in the view's font and colours, selected or not.

#include <QStyledItemDelegate>

namespace qorl::gui {

class MarkedTextDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace qorl::gui
