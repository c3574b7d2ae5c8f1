// SPDX-License-Identifier: MIT
#pragma once
// The category selector's steps as opening a list and Find drive them.

#include <string>

namespace qorl::gui {

class CategorySteps {
 public:
  virtual ~CategorySteps() = default;

  // Entries for the open list's categories (no entry is selected by this).
  virtual void fillCategoryCombo() = 0;
  // Rebuilds the view for the category of entry's first byte and selects row.
  virtual void buildCategoryView(const std::string& entry, int row) = 0;
};

}  // namespace qorl::gui
