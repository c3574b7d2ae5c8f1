// SPDX-License-Identifier: MIT
#include "gui/browse/category_tool_bar.h"

#include <QToolBar>
#include <QToolButton>

#include "core/app/layout_arithmetic.h"
#include "gui/browse/category_combo_box.h"

namespace qorl::gui {

CategoryToolBar BuildCategoryToolBar(QWidget* window) {
  CategoryToolBar result;
  result.bar = new QToolBar("Categories", window);
  result.bar->setObjectName("ToolBarCategories");
  QToolButton* button = new QToolButton(result.bar);
  result.button = button;
  button->setObjectName("CategorySpeedButton");
  button->setText("Category");
  button->setStatusTip("Click to show All categories");
  button->setToolTip("Click to show All categories");
  button->setMinimumSize(48, 21);
  button->setEnabled(false);
  result.combo = new CategoryComboBox(result.bar);
  result.combo->setEnabled(false);
  result.combo->setMinimumWidth(275);
  result.bar->addWidget(button);
  result.bar->addWidget(result.combo);
  result.bar->setMinimumSize(kBandMinWidth, kBandMinHeight);
  return result;
}

}  // namespace qorl::gui
