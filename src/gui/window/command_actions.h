// SPDX-License-Identifier: MIT
#pragma once
// Every command of the main window as a QAction named after it ("FileCloseCmd", ...), with its
// caption, shortcut, hint (status tip) and icon.

#include <QAction>
#include <array>

#include "core/app/enabling_rules.h"

namespace qorl::gui {

struct CommandActions {
  std::array<QAction*, kCommandCount> commands{};
  // Plain menu items of the Open List menu (the Tools menu has its own, gui/tools/tools_menu.h).
  QAction* openListMenu = nullptr;  // "&Open List" sub-menu item and tool-bar button
  QAction* openOther = nullptr;     // "&Other..."

  QAction* operator[](Command c) const { return commands[static_cast<std::size_t>(c)]; }
};

// Creates the actions, owned by window and added to it so their shortcuts work everywhere in it.
CommandActions CreateCommandActions(QWidget* window);

}  // namespace qorl::gui
