// SPDX-License-Identifier: MIT
#include "gui/window/command_menus.h"

#include <QMenu>
#include <QMenuBar>

#include "gui/window/command_actions.h"

namespace qorl::gui {

CommandMenus BuildCommandMenus(QMenuBar* bar, const CommandActions& actions) {
  CommandMenus menus;
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("MenuFile");
  file->addAction(actions.openListMenu);
  file->addAction(actions[Command::FileClose]);
  file->addSeparator();
  file->addAction(actions[Command::FileSave]);
  file->addAction(actions[Command::FilePrint]);
  file->addSeparator();
  file->addAction(actions[Command::FileExit]);

  QMenu* edit = bar->addMenu("&Edit");
  edit->setObjectName("MenuEdit");
  edit->addAction(actions[Command::EditCopy]);
  edit->addAction(actions[Command::EditSelectAll]);

  QMenu* search = bar->addMenu("&Search");
  search->setObjectName("MenuSearch");
  search->addAction(actions[Command::SearchFind]);
  search->addAction(actions[Command::SearchSearchAgain]);
  search->addAction(actions[Command::SearchAllTopics]);
  search->addAction(actions[Command::SearchGoToTopic]);
  menus.searchSeparator = search->addSeparator();
  menus.search = search;
  search->addAction(actions[Command::ViewBack]);
  search->addAction(actions[Command::ViewForward]);

  menus.bookmarks = bar->addMenu("&Bookmarks");
  menus.bookmarks->setObjectName("MenuBookmarks");

  QMenu* options = bar->addMenu("&Options");
  options->setObjectName("MenuOptions");
  options->addAction(actions[Command::OptionsZoomTopic]);
  options->addAction(actions[Command::OptionsUpdateTopicTitles]);
  menus.tools = options->addMenu("&Tools");
  menus.tools->setObjectName("MenuTools");
  options->addSeparator();
  options->addAction(actions[Command::OptionsConfiguration]);

  QMenu* help = bar->addMenu("&Help");
  help->setObjectName("MenuHelp");
  help->addAction(actions[Command::HelpHelpIndex]);
  menus.helpSeparator = help->addSeparator();
  help->addAction(actions[Command::HelpAbout]);
  return menus;
}

}  // namespace qorl::gui
