// SPDX-License-Identifier: MIT
#pragma once
// The menu bar from the command table: File, Edit, Search, Bookmarks, Options and Help. The
// Open List, Bookmarks and Tools menus are filled by their owners.

class QAction;
class QMenu;
class QMenuBar;

namespace qorl::gui {

struct CommandActions;

struct CommandMenus {
  QMenu* search = nullptr;
  QAction* searchSeparator = nullptr;  // above Back and Forward
  QMenu* bookmarks = nullptr;
  QMenu* tools = nullptr;            // under Options
  QAction* helpSeparator = nullptr;  // above About, shown with the manual
};

CommandMenus BuildCommandMenus(QMenuBar* bar, const CommandActions& actions);

}  // namespace qorl::gui
