// SPDX-License-Identifier: MIT
#pragma once
// The command tool bar ("ToolBar") from the command table, with the Open List button and its
// sub-menu (filled by the Open List menu).

class QMenu;
class QToolBar;
class QWidget;

namespace qorl::gui {

struct CommandActions;

struct CommandToolBar {
  QToolBar* bar = nullptr;
  QMenu* openListMenu = nullptr;
};

CommandToolBar BuildCommandToolBar(QWidget* window, const CommandActions& actions);

}  // namespace qorl::gui
