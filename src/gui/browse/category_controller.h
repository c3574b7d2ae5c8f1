// SPDX-License-Identifier: MIT
#pragma once
// The category selector: filled from the open list's category set, and narrowing the grid to the
// chosen category by rebuilding the category view.

#include <QObject>
#include <string>

#include "gui/browse/browse_state.h"
#include "gui/browse/category_steps.h"

namespace qorl {
class BusyIndicator;
}

namespace qorl::gui {

class GridController;

class CategoryController : public QObject, public CategorySteps {
  Q_OBJECT
 public:
  CategoryController(BrowseState& state, const BrowseWidgets& widgets, BusyIndicator& busy,
                     GridController& grid, QObject* parent = nullptr);

  // Entries for the open list's categories (no entry is selected by this).
  void fillCategoryCombo() override;
  // Rebuilds the view for the category of entry's first byte and selects row.
  void buildCategoryView(const std::string& entry, int row) override;
  // The selector's entry i was chosen.
  void onSelectorChanged(int i);
  // `CategorySpeedButton`: back to entry 0.
  void onSpeedButton();

 private:
  BrowseState& state_;
  BrowseWidgets widgets_;
  BusyIndicator& busy_;
  GridController& grid_;
};

}  // namespace qorl::gui
