// SPDX-License-Identifier: MIT
#include "gui/browse/category_controller.h"

#include <QSignalBlocker>
#include <algorithm>

#include "core/list/busy.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/topics_grid_model.h"
#include "gui/browse/topics_grid_view.h"

namespace qorl::gui {

CategoryController::CategoryController(BrowseState& state, const BrowseWidgets& widgets,
                                       BusyIndicator& busy, GridController& grid, QObject* parent)
    : QObject(parent), state_(state), widgets_(widgets), busy_(busy), grid_(grid) {}

void CategoryController::fillCategoryCombo() {
  widgets_.combo->setEntries(CategoryEntries(state_.topics().categories(), state_.descriptions));
}

void CategoryController::buildCategoryView(const std::string& entry, int row) {
  const unsigned char category = entry.empty() ? 0 : static_cast<unsigned char>(entry[0]);
  {
    BusyScope busy(busy_, "Extracting topics of current category...");
    state_.view.topics = BuildCategoryView(state_.topics(), category);
  }
  state_.view.categoryChar = category;
  widgets_.model->reload();
  widgets_.grid->setCurrentRow(std::clamp(row, 0, std::max(state_.view.count() - 1, 0)));
  grid_.onRowSelected(widgets_.grid->currentRow());
  grid_.updateStatusPanels(PanelOccasion::ViewRebuilt);
  widgets_.grid->setEnabled(true);
  grid_.focusGrid();
  widgets_.grid->viewport()->update();
  if (state_.options.singleClickView) grid_.loadTopic(state_.selectedTopic);
}

void CategoryController::onSelectorChanged(int i) {
  if (!state_.session.isOpen() || state_.topicCount() == 0 || i < 0) return;
  const std::string entry = widgets_.combo->entryBytes(i);
  if (entry.empty() || static_cast<unsigned char>(entry[0]) == state_.view.categoryChar) return;
  buildCategoryView(entry, 0);
}

void CategoryController::onSpeedButton() {
  if (widgets_.combo->count() == 0 || widgets_.combo->currentIndex() == 0) return;
  {
    const QSignalBlocker block(widgets_.combo);
    widgets_.combo->setCurrentIndex(0);
  }
  buildCategoryView(widgets_.combo->entryBytes(0), 0);
}

}  // namespace qorl::gui
