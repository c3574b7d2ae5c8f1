// SPDX-License-Identifier: MIT
#include "gui/window/command_tool_bar.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <optional>

#include "gui/window/command_actions.h"

namespace qorl::gui {

namespace {

// The buttons after Open List, in order; an empty entry is a separator.
constexpr std::optional<Command> kCommandButtons[] = {Command::FileSave,
                                                      Command::FilePrint,
                                                      std::nullopt,
                                                      Command::EditCopy,
                                                      Command::EditSelectAll,
                                                      std::nullopt,
                                                      Command::SearchFind,
                                                      Command::SearchSearchAgain,
                                                      Command::SearchAllTopics,
                                                      Command::SearchGoToTopic,
                                                      std::nullopt,
                                                      Command::OptionsZoomTopic,
                                                      std::nullopt,
                                                      Command::ViewPrev,
                                                      Command::ViewNext,
                                                      Command::ViewBack,
                                                      Command::ViewForward};

}  // namespace

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
  for (const std::optional<Command>& button : kCommandButtons) {
    if (button)
      bar->addAction(actions[*button]);
    else
      bar->addSeparator();
  }
  return result;
}

}  // namespace qorl::gui
