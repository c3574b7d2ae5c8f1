// SPDX-License-Identifier: MIT
#include "gui/browse/topics_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <utility>

#include "core/app/layout_arithmetic.h"
#include "gui/browse/topics_grid_delegate.h"

namespace qorl::gui {
namespace {

// The keys that move the selection as the grid itself does.
struct MovementKey {
  int key;
  GridKey move;
};
constexpr MovementKey kMovementKeys[] = {
    {Qt::Key_Up, GridKey::Up},         {Qt::Key_Down, GridKey::Down},
    {Qt::Key_PageUp, GridKey::PageUp}, {Qt::Key_PageDown, GridKey::PageDown},
    {Qt::Key_Home, GridKey::Home},     {Qt::Key_End, GridKey::End},
};

}  // namespace

TopicsGridView::TopicsGridView(QWidget* parent)
    : QTableView(parent), delegate_(new TopicsGridDelegate(this)) {
  setObjectName("TopicsStringGrid");
  setAccessibleName("Topics");
  setAccessibleDescription("The topics of the category shown: identifier and title");
  setItemDelegate(delegate_);
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setEditTriggers(NoEditTriggers);
  setShowGrid(false);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollMode(ScrollPerItem);
  verticalScrollBar()->setTracking(true);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  QHeaderView* header = horizontalHeader();
  header->setObjectName("TopicsHeader");
  header->setStatusTip("Drag to resize columns");
  header->setToolTip("Drag to resize columns");
  header->setHighlightSections(false);
  header->setSectionsClickable(false);
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(1);
  connect(this, &QAbstractItemView::doubleClicked, this, [this] { emit topicActivated(); });
}

int TopicsGridView::currentRow() const {
  const QModelIndex index = currentIndex();
  return index.isValid() ? index.row() : 0;
}

int TopicsGridView::rowCount() const {
  return model() ? model()->rowCount() : 1;
}

void TopicsGridView::setCurrentRow(int row) {
  if (!model() || !selectionModel()) return;
  // After the rows changed the scroll range still fits the old rows until the next layout;
  // lay out first, so that the row can be shown wherever it lies.
  executeDelayedItemsLayout();
  const QModelIndex index = model()->index(row, 0);
  selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
}

int TopicsGridView::visibleRows() const {
  const int height = verticalHeader()->defaultSectionSize();
  return height > 0 ? viewport()->height() / height : 0;
}

void TopicsGridView::navigate(GridKey key) {
  setCurrentRow(NewGridRow(key, currentRow(), rowCount(), visibleRows()));
  viewport()->repaint();
  emit clickReaction();
}

void TopicsGridView::applyFont(const QFont& font, double dpi) {
  setFont(font);
  // Only the cells take the topic font; the header keeps the window's font.
  horizontalHeader()->setFont(parentWidget() ? parentWidget()->font() : QFont());
  const int height = GridRowHeight(font.pointSize(), dpi);
  verticalHeader()->setMinimumSectionSize(1);
  if (verticalHeader()->defaultSectionSize() != height)
    verticalHeader()->setDefaultSectionSize(height);
}

void TopicsGridView::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    QTableView::keyPressEvent(event);
    return;
  }
  for (const auto& [key, move] : kMovementKeys) {
    if (event->key() == key) {
      navigate(move);
      event->accept();
      return;
    }
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit topicActivated();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void TopicsGridView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  leftPressed_ = true;
  QTableView::mousePressEvent(event);
}

void TopicsGridView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  QTableView::mouseReleaseEvent(event);
  // A click, or a drag that ended on another row: either way the mouse chose the row.
  if (std::exchange(leftPressed_, false)) emit clickReaction();
}

void TopicsGridView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QTableView::mouseDoubleClickEvent(event);
}

void TopicsGridView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  emit resized();
}

void TopicsGridView::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  viewport()->repaint();
}

void TopicsGridView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  viewport()->update();
}

void TopicsGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (current.row() != previous.row() || !previous.isValid())
    emit rowSelected(current.isValid() ? current.row() : 0);
}

void TopicsGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  // Only rows scroll; the columns stay where the layout put them.
  QTableView::scrollTo(index, hint);
  horizontalScrollBar()->setValue(0);
}

void TopicsGridView::keyboardSearch(const QString& /*search*/) {}

}  // namespace qorl::gui
