// SPDX-License-Identifier: MIT
#pragma once
// Draws the entries of the category selector: the badge, then the description on the window or
// highlight colour.

#include <QStyledItemDelegate>

namespace qorl::gui {

class CategoryBadgeDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit CategoryBadgeDelegate(QObject* parent = nullptr);

  // Item height: 15 pixels at 96 pixels per inch, scaled to the screen.
  void setItemHeight(int height) { itemHeight_ = height; }
  int itemHeight() const { return itemHeight_; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // Paints one entry given as the list's bytes into rect.
  static void paintEntry(QPainter& painter, const QRect& rect, const QByteArray& entry,
                         bool selected, bool disabled, const QPalette& palette);

 private:
  int itemHeight_ = 15;
};

}  // namespace qorl::gui
