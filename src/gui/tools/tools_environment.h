// SPDX-License-Identifier: MIT
#pragma once
// What the Tools menu and its dialogs need from the main window, as plain calls so that the
// dialogs can be tested without one.

#include <functional>
#include <string>

namespace qorl::gui {

struct ToolsEnvironment {
  // The folder the tools run in and Explore opens (DefStartupDir, or the lists folder).
  std::function<std::string()> folder;
  // The list kind of the open list (1 INTERRUP.LST, 2 PORTS.LST, ...; -1 when none).
  std::function<int()> listKind;
  std::function<void()> closeList;
  // Rebuilds the Open List menu from the lists folder; a new list file may exist.
  std::function<void()> rebuildListMenu;
};

}  // namespace qorl::gui
