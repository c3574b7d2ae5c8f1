// SPDX-License-Identifier: MIT
#include "gui/app/grid_columns.h"

#include <QHeaderView>
#include <algorithm>

#include "core/app/layout_arithmetic.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/window/main_panel.h"

namespace qorl::gui {

GridColumns::GridColumns(TopicsGridView* grid, MainPanel* mainPanel, QObject* parent)
    : QObject(parent), grid_(grid), mainPanel_(mainPanel) {
  connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int section) { onSectionResized(section); });
  connect(mainPanel_, &MainPanel::laidOut, this, &GridColumns::fit);
  // The grid fills the topics panel: when the panel changes size, column 1 takes the rest.
  connect(grid_, &TopicsGridView::resized, this, &GridColumns::fit);
}

void GridColumns::apply(int width) {
  grid_->setColumnWidth(0, width);
  fit();
}

void GridColumns::fit() {
  if (fitting_) return;
  fitting_ = true;
  grid_->setColumnWidth(1, std::max(GridColumn1Width(grid_->width(), grid_->columnWidth(0)), 1));
  fitting_ = false;
}

void GridColumns::onSectionResized(int section) {
  // The header is the grid's own: its section is the column, so only column 1 is refitted.
  if (section == 0) mainPanel_->relayout();
}

void GridColumns::defaultWidth() {
  grid_->setColumnWidth(0, kDefaultColumnWidth);
  mainPanel_->relayout();
}

}  // namespace qorl::gui
