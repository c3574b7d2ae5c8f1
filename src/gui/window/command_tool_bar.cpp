// SPDX-License-Identifier: MIT
#include "gui/window/command_tool_bar.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "gui/window/command_actions.h"

namespace qorl::gui {

CommandToolBar BuildCommandToolBar(QWidget* window, const CommandActions& actions) {
  CommandToolBar result;
  QToolBar* bar = new QToolBar("Commands", window);
  result.bar = bar;
  bar->setObjectName("ToolBar");
  bar->setIconSize(QSize(16, 16));
  bar->setMinimumHeight(26);
  result.openListMenu = new QMenu("&Open List", window);
  result.openListMenu->setObjectName("ListMenu");
  actions.openListMenu->setMenu(result.openListMenu);
  auto* openListButton = new QToolButton(bar);
  openListButton->setObjectName("OpenListButton");
  openListButton->setPopupMode(QToolButton::MenuButtonPopup);
  // The action carries the sub-menu, so the arrow shows it. Setting the same menu on the button
  // again would re-add the action and make the button forget both its action and its menu.
  openListButton->setDefaultAction(actions.openListMenu);
  bar->addWidget(openListButton);
  bar->addAction(actions[Command::FileSave]);
  bar->addAction(actions[Command::FilePrint]);
  bar->addSeparator();
  bar->addAction(actions[Command::EditCopy]);
  bar->addAction(actions[Command::EditSelectAll]);
  bar->addSeparator();
  bar->addAction(actions[Command::SearchFind]);
  bar->addAction(actions[Command::SearchSearchAgain]);
  bar->addAction(actions[Command::SearchAllTopics]);
  bar->addAction(actions[Command::SearchGoToTopic]);
  bar->addSeparator();
  bar->addAction(actions[Command::OptionsZoomTopic]);
  bar->addSeparator();
  bar->addAction(actions[Command::ViewPrev]);
  bar->addAction(actions[Command::ViewNext]);
  bar->addAction(actions[Command::ViewBack]);
  bar->addAction(actions[Command::ViewForward]);
  return result;
}

}  // namespace qorl::gui
