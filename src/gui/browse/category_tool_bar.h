// SPDX-License-Identifier: MIT
#pragma once
// The category band ("ToolBarCategories"): the speed button that goes back to All categories
// and the category selector, both disabled until a list is open.

class QToolBar;
class QToolButton;
class QWidget;

namespace qorl::gui {

class CategoryComboBox;

struct CategoryToolBar {
  QToolBar* bar = nullptr;
  QToolButton* button = nullptr;
  CategoryComboBox* combo = nullptr;
};

CategoryToolBar BuildCategoryToolBar(QWidget* window);

}  // namespace qorl::gui
