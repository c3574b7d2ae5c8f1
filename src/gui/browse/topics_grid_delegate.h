// SPDX-License-Identifier: MIT
#pragma once
// Paints the topics grid's cells: the bold [List Info] row, the selection colours of the focused
// and the unfocused grid, the category badges while all categories are shown, the dotted focus
// frame and the column line.

#include <QStyledItemDelegate>

namespace qorl::gui {

class TopicsGridView;

class TopicsGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TopicsGridDelegate(TopicsGridView* grid);

  // ShowCategoryChar: badges in column 0 while all categories are shown.
  void setShowCategoryChar(bool on) { showCategoryChar_ = on; }
  bool showCategoryChar() const { return showCategoryChar_; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  void paintFocusFrame(QPainter& painter, const QRect& cell, int column) const;

  TopicsGridView* grid_;
  bool showCategoryChar_ = true;
};

}  // namespace qorl::gui
