// SPDX-License-Identifier: MIT
#pragma once
// The Open List sub-menu `ListMenu` and its commands: one radio entry per list file of the lists
// folder (`ListListFile0`, ...), the separator `ListMenuSeparator1` and `ListOther`
// ("&Other..."/"&Open...", the open dialog); the radio check mark on the open list; and Update
// Topic Titles, which opens the list again with a forced scan.

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/list_menu.h"

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace qorl::gui {

struct BrowseState;
class FileDialogs;
class ListController;
class StatusBarPanels;

// Where the menu's entries come from: the lists folder (ends in the separator) and
// DisplayAllLists, read at each build.
struct ListMenuSource {
  std::string listsFolder;
  bool displayAllLists = false;
};

class OpenListMenu : public QObject {
  Q_OBJECT
 public:
  // menu: the sub-menu; other: `ListOther`, kept at the menu's end; window: the dialog's parent
  // and the owner of the entries' shortcuts.
  OpenListMenu(QMenu* menu, QAction* other, ListController& lists, BrowseState& state,
               QWidget* window, StatusBarPanels* statusBar, std::function<ListMenuSource()> source);
  ~OpenListMenu() override;

  // Replace the platform's open dialog (tests); nullptr goes back to the platform's.
  void setFileDialogs(FileDialogs* dialogs);

  // Rebuilds the entries from the lists folder, which becomes the current directory; the entry
  // of a list open at the time is checked again.
  void buildListMenu();
  // Checks the entry of the list at path; "&Other..." when it has none (and there are entries).
  void checkListInMenu(const std::string& path);
  // Removes the check mark from every item (the list was closed).
  void uncheckAll();
  // The click of entry i: opens its file by its real name and checks the entry.
  void openListEntry(std::size_t i);
  // "&Other..."/"&Open...": the open dialog, then the chosen file is opened and checked.
  void openOther();
  // The face of the Open List tool-bar button: clears the hint, then as "&Other...".
  void openFromButton();
  // Update Topic Titles: the named list opened again with a forced scan.
  void updateTopicTitles();

  const std::vector<QAction*>& entries() const { return entryActions_; }
  QAction* separator() const { return separator_; }
  QAction* other() const { return other_; }
  const std::string& listsFolder() const { return listsFolder_; }

 private:
  void setChecked(QAction* action);
  void onAboutToShow();

  QMenu* menu_;
  QAction* other_;
  QAction* separator_;
  QActionGroup* group_;
  ListController& lists_;
  BrowseState& state_;
  QWidget* window_;
  StatusBarPanels* statusBar_;
  std::function<ListMenuSource()> source_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  FileDialogs* dialogs_;
  std::string listsFolder_;
  std::vector<ListMenuEntry> entries_;
  std::vector<QAction*> entryActions_;
  QAction* checked_ = nullptr;  // the item the program checked last, or none
};

}  // namespace qorl::gui
