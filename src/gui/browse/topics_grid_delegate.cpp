// SPDX-License-Identifier: MIT
#include "gui/browse/topics_grid_delegate.h"

#include <QPainter>

#include "gui/browse/category_badge.h"
#include "gui/browse/topics_grid_model.h"
#include "gui/browse/topics_grid_view.h"

namespace qorl::gui {
namespace {

QColor Inverse(const QColor& c) {
  return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
}

}  // namespace

TopicsGridDelegate::TopicsGridDelegate(TopicsGridView* grid)
    : QStyledItemDelegate(grid), grid_(grid) {}

void TopicsGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const auto* model = qobject_cast<const TopicsGridModel*>(index.model());
  const QPalette& palette = grid_->palette();
  const QColor window = palette.color(QPalette::Base);
  QRect cell = option.rect;
  const int column = index.column();
  const bool hasTopics = model && model->hasTopics();
  painter->save();

  if (!hasTopics) {
    painter->fillRect(cell, window);
  } else {
    const bool selected = index.row() == grid_->currentRow();
    const bool focused = grid_->hasFocus();
    QColor text = palette.color(QPalette::Text);
    QColor back = window;
    if (selected && model->viewCount() == 0) {
      text = window;
    } else if (selected && focused) {
      text = palette.color(QPalette::HighlightedText);
      back = palette.color(QPalette::Highlight);
    } else if (selected) {
      back = palette.color(QPalette::Button);
    }
    if (column == 1) cell.setRight(cell.right() + 1);
    painter->fillRect(cell, back);
    QFont font = grid_->font();
    font.setBold(index.data(TopicsGridModel::BoldRole).toBool());
    painter->setFont(font);
    painter->setPen(text);
    painter->setClipRect(cell);

    const QString name = index.data(Qt::DisplayRole).toString();
    const bool badge = column == 0 && showCategoryChar_ && model->showsAllCategories() &&
                       index.row() < model->viewCount();
    const int textLeft = cell.left() + (badge ? 18 : 2);
    painter->drawText(
        QRect(textLeft, cell.top() + 1, cell.right() - textLeft + 1, cell.height() - 1),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    if (badge) {
      const auto category =
          static_cast<unsigned char>(index.data(TopicsGridModel::CategoryRole).toInt());
      PaintCategoryBadge(*painter, option.rect, category, false,
                         option.rect.top() + option.rect.height() / 2 - 3);
    }
    if (selected && focused) paintFocusFrame(*painter, option.rect, column);
  }

  // Column line at the cell's right edge.
  painter->setClipping(false);
  const bool buttonLine = column == 0 && model && model->viewCount() > 0;
  painter->setPen(buttonLine ? palette.color(QPalette::Button) : window);
  painter->drawLine(option.rect.right(), option.rect.top(), option.rect.right(),
                    option.rect.bottom());
  painter->restore();
}

void TopicsGridDelegate::paintFocusFrame(QPainter& painter, const QRect& cell, int column) const {
  const QColor odd = Inverse(grid_->palette().color(QPalette::Highlight));
  const QColor even = Inverse(grid_->palette().color(QPalette::Base));
  auto dot = [&](int x, int y, int coordinate) {
    painter.setPen(coordinate % 2 ? odd : even);
    painter.drawPoint(x, y);
  };
  const int left = cell.left();
  int right = cell.right();
  if (column == 1) right = std::min(right, grid_->viewport()->width() - 1);
  for (int x = left; x <= right; ++x) {
    dot(x, cell.top(), x);
    dot(x, cell.bottom(), x);
  }
  const int edge = column == 0 ? left : right;
  for (int y = cell.top(); y <= cell.bottom(); ++y) dot(edge, y, y);
}

}  // namespace qorl::gui
