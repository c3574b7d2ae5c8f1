// SPDX-License-Identifier: MIT
#pragma once
// Draws the Line column of the search results: the first hit's line with the hit in bold.

#include <QStyledItemDelegate>

namespace qorl::gui {

class FullTextPreviewDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace qorl::gui
