// SPDX-License-Identifier: MIT
#pragma once
// Fills the See-also menu `PopupMenuSeeAlso` from the entries FormatTopic lists. When every
// reference is followed, each reference is listed once: the open list's own first, then the
// table references and the references into other lists in a submenu each ("Tables",
// "Other lists"). Every menu scrolls when it is taller than the screen.

#include <functional>
#include <string>
#include <vector>

class QMenu;

namespace qorl::gui {

using SeeAlsoChosen = std::function<void(const std::string& entry)>;

// Empties menu; its actions and submenus go later, since a chosen entry may load another topic
// while its own action is still signalling.
void ClearSeeAlsoMenu(QMenu* menu);

// Empties menu and adds the entries; grouped when every reference is followed. Choosing an entry
// calls chosen with its bytes.
void FillSeeAlsoMenu(QMenu* menu, const std::vector<std::string>& entries, int listKind,
                     bool followAllReferences, const SeeAlsoChosen& chosen);

}  // namespace qorl::gui
