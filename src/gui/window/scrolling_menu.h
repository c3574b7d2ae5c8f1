// SPDX-License-Identifier: MIT
#pragma once
// Menus that may grow past the screen's height: Qt's styles lay such a menu out in columns that
// run off the screen's edge, where Home and End move nothing. A scrolling menu keeps one column
// with scroll arrows, and Home, End, Page Up and Page Down scroll it.

class QMenu;

namespace qorl::gui {

// Makes menu (and the submenus given to this call later) scroll instead of growing columns.
void MakeMenuScroll(QMenu* menu);

}  // namespace qorl::gui
