// SPDX-License-Identifier: MIT
#pragma once
// Where the navigation keys of the topics grid move the selected row.

#include <algorithm>

namespace qorl {

enum class GridKey { Up, Down, PageUp, PageDown, Home, End };

// New row for key from row in a grid of rowCount rows (at least one) with visibleRows rows fully
// visible. Page Up moves visibleRows + 1 rows, Page Down visibleRows - 1, both stopping at the
// first or last row.
inline int NewGridRow(GridKey key, int row, int rowCount, int visibleRows) {
  const int last = std::max(rowCount, 1) - 1;
  int target = row;
  switch (key) {
    case GridKey::Up:
      target = row - 1;
      break;
    case GridKey::Down:
      target = row + 1;
      break;
    case GridKey::PageUp:
      target = row - visibleRows - 1;
      break;
    case GridKey::PageDown:
      target = row + visibleRows - 1;
      break;
    case GridKey::Home:
      target = 0;
      break;
    case GridKey::End:
      target = last;
      break;
  }
  return std::clamp(target, 0, last);
}

}  // namespace qorl
