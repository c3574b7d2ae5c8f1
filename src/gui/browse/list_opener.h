// SPDX-License-Identifier: MIT
#pragma once
// Making another file the open list, as the window does it (every view of the list emptied and
// refilled); what Back and Forward and the references into other lists need of it.

#include <string>

namespace qorl::gui {

class ListOpener {
 public:
  virtual ~ListOpener() = default;

  // Makes the file at path the open list. Every failure is reported inside.
  virtual void openList(const std::string& path, bool rescan) = 0;
};

}  // namespace qorl::gui
