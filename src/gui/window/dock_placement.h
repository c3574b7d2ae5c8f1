// SPDX-License-Identifier: MIT
#pragma once
// A dock window's stored place: the side of the window it is docked at and whether it shows.

#include <cstdint>

class QDockWidget;
class QMainWindow;

namespace qorl::gui {

// Docks dock at the stored area when that is a side of the window (else it stays where it is)
// and shows or hides it.
void PlaceDock(QMainWindow& window, QDockWidget* dock, std::int32_t area, bool visible);

}  // namespace qorl::gui
