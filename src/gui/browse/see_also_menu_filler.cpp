// SPDX-License-Identifier: MIT
#include "gui/browse/see_also_menu_filler.h"

#include <QMenu>

#include "core/browse/see_also_menu.h"
#include "gui/browse/codepage437.h"
#include "gui/window/scrolling_menu.h"

namespace qorl::gui {
namespace {

void AddEntries(QMenu* menu, const std::vector<std::string>& entries, const SeeAlsoChosen& chosen) {
  for (const std::string& entry : entries) {
    QString caption = FromCp437(entry);
    caption.replace('&', "&&");  // an ampersand is text here, not a mnemonic
    QAction* action = menu->addAction(caption);
    action->setData(QByteArray(entry.data(), static_cast<qsizetype>(entry.size())));
    QObject::connect(action, &QAction::triggered, menu, [chosen, entry] { chosen(entry); });
  }
}

void AddSubmenu(QMenu* menu, const QString& title, const char* objectName,
                const std::vector<std::string>& entries, const SeeAlsoChosen& chosen) {
  if (entries.empty()) return;
  auto* submenu = new QMenu(title, menu);
  submenu->setObjectName(objectName);
  MakeMenuScroll(submenu);
  AddEntries(submenu, entries, chosen);
  menu->addMenu(submenu);
}

}  // namespace

void ClearSeeAlsoMenu(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    menu->removeAction(action);
    if (QMenu* submenu = QMenu::menuInAction(action)) submenu->deleteLater();
    action->deleteLater();
  }
}

void FillSeeAlsoMenu(QMenu* menu, const std::vector<std::string>& entries, int listKind,
                     bool followAllReferences, const SeeAlsoChosen& chosen) {
  ClearSeeAlsoMenu(menu);
  if (!followAllReferences) {
    AddEntries(menu, entries, chosen);
    return;
  }
  const SeeAlsoMenuGroups groups = GroupSeeAlsoEntries(entries, listKind);
  AddEntries(menu, groups.own, chosen);
  AddSubmenu(menu, QObject::tr("Tables"), "PopupMenuSeeAlsoTables", groups.tables, chosen);
  AddSubmenu(menu, QObject::tr("Other lists"), "PopupMenuSeeAlsoOtherLists", groups.otherLists,
             chosen);
}

}  // namespace qorl::gui
