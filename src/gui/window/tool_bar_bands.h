// SPDX-License-Identifier: MIT
#pragma once
// The two tool bars as the bands of the area above the panels (the cool bar's bands): their
// order, the break before the second, and reading both back as the user left them.

class QMainWindow;
class QToolBar;

namespace qorl::gui {

struct ToolBarBands {
  QToolBar* categories = nullptr;  // band 0
  QToolBar* commands = nullptr;    // band 1
};

// Places the bands with firstBand (0 or 1) first and a break before the second when asked.
void PlaceToolBarBands(QMainWindow& window, const ToolBarBands& bands, int firstBand,
                       bool secondBreak);
// The band order and break as laid out; false (values untouched) while either band is hidden.
bool ReadToolBarBands(const QMainWindow& window, const ToolBarBands& bands, int& firstBand,
                      bool& secondBreak);

}  // namespace qorl::gui
