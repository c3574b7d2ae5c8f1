// SPDX-License-Identifier: MIT
#include "gui/tools/tools_menu.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>

#include "core/list/message_service.h"
#include "core/tools/tool_commands.h"
#include "gui/tools/run_combine_dialog.h"
#include "gui/tools/run_intprint_dialog.h"

namespace qorl::gui {
namespace {

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* hint) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(name);
  action->setStatusTip(QString::fromUtf8(hint));
  return action;
}

}  // namespace

ToolsMenu::ToolsMenu(QMenu* menu, ToolsEnvironment environment, MessageService& messages,
                     BusyIndicator& busy, QWidget* window)
    : QObject(menu),
      menu_(menu),
      environment_(std::move(environment)),
      messages_(messages),
      launcher_({messages, busy, window}),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
  menu_->setTitle(QString::fromUtf8(kToolsMenuCaption));
  menu_->menuAction()->setObjectName("OptionsTools");
  menu_->menuAction()->setStatusTip(QString::fromUtf8(kToolsMenuHint));
  explore_ =
      AddItem(menu_, "OptionsToolsExploreListLocation", kExploreListsCaption, kExploreListsHint);
  separator_ = menu_->addSeparator();
  separator_->setObjectName("OptionsToolsSeperator");
  combine_ = AddItem(menu_, "OptionsToolsRunCombinecom", kRunCombineCaption, kRunCombineHint);
  intprint_ = AddItem(menu_, "OptionsToolsRunIntprintcom", kRunIntprintCaption, kRunIntprintHint);

  combineDialog_ = new TFormRunCombinecom(environment_, launcher_, window);
  intprintDialog_ = new TFormRunIntprintcom(environment_, launcher_, window);

  connect(menu_, &QMenu::aboutToShow, this, &ToolsMenu::updateVisibility);
  connect(explore_, &QAction::triggered, this, &ToolsMenu::exploreListsLocation);
  connect(combine_, &QAction::triggered, combineDialog_, &QDialog::exec);
  connect(intprint_, &QAction::triggered, intprintDialog_, &QDialog::exec);
  updateVisibility();
}

void ToolsMenu::updateVisibility() {
  const std::string folder = environment_.folder ? environment_.folder() : std::string();
  const ToolsVisibility visibility = ToolsMenuVisibility(folder);
  combine_->setVisible(visibility.combineVisible);
  intprint_->setVisible(visibility.intprintVisible);
  separator_->setVisible(visibility.separatorVisible);
}

void ToolsMenu::exploreListsLocation() {
  const std::string folder = environment_.folder ? environment_.folder() : std::string();
  const QString path = QString::fromStdString(folder);
  if (folder.empty() || !openUrl_(QUrl::fromLocalFile(path)))
    messages_.information("Unable to open the lists location \"" + folder +
                          "\" in the file manager !");
}

}  // namespace qorl::gui
