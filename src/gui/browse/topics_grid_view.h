// SPDX-License-Identifier: MIT
#pragma once
// The topics grid `TopicsStringGrid`: a whole-row table over the category view with the header
// `TopicsHeader`. Moving the row by keys or by program never loads a topic itself; the owner
// hears of mouse clicks and of the navigation keys through clickReaction(), which runs once
// after the row has moved, and of double clicks and Enter through topicActivated().

#include <QTableView>

#include "core/browse/grid_navigation.h"

namespace qorl::gui {

class TopicsGridDelegate;

class TopicsGridView : public QTableView {
  Q_OBJECT
 public:
  explicit TopicsGridView(QWidget* parent = nullptr);

  // The selected row; 0 when there is none.
  int currentRow() const;
  int rowCount() const;
  // Selects row without any click reaction and scrolls it into view.
  void setCurrentRow(int row);
  // Rows fully visible in the viewport.
  int visibleRows() const;
  // Moves by a navigation key as the keyboard does, then runs the click reaction once.
  void navigate(GridKey key);
  // Row height for the grid font's point size at the screen's resolution.
  void applyFont(const QFont& font, double dpi);
  TopicsGridDelegate* gridDelegate() const { return delegate_; }

 signals:
  void rowSelected(int row);
  void clickReaction();
  void topicActivated();
  // The grid changed size; column 1 is refitted to the new width.
  void resized();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Only the left button selects, clicks and double-clicks; the right one opens the context
  // menu and leaves the row where it is. The click reaction follows every left press and
  // release in the grid, also a drag that ends on another row.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  // Typed characters never jump to a matching row: the row moves only by the navigation keys,
  // the mouse and the commands, each of which keeps the shown topic in step.
  void keyboardSearch(const QString& search) override;

 private:
  TopicsGridDelegate* delegate_;
  bool leftPressed_ = false;
};

}  // namespace qorl::gui
