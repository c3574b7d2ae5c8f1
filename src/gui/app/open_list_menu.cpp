// SPDX-License-Identifier: MIT
#include "gui/app/open_list_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>
#include <filesystem>

#include "core/list/file_path.h"
#include "gui/browse/browse_state.h"
#include "gui/list/list_controller.h"
#include "gui/window/file_dialogs.h"
#include "gui/window/status_bar.h"

namespace qorl::gui {

OpenListMenu::OpenListMenu(QMenu* menu, QAction* other, ListController& lists, BrowseState& state,
                           QWidget* window, StatusBarPanels* statusBar,
                           std::function<ListMenuSource()> source)
    : QObject(menu),
      menu_(menu),
      other_(other),
      separator_(new QAction(menu)),
      group_(new QActionGroup(this)),
      lists_(lists),
      state_(state),
      window_(window),
      statusBar_(statusBar),
      source_(std::move(source)),
      ownDialogs_(std::make_unique<QtFileDialogs>()),
      dialogs_(ownDialogs_.get()) {
  // Check marks are set by the program only: an item's own toggling on a click is undone.
  group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  separator_->setObjectName("ListMenuSeparator1");
  separator_->setSeparator(true);
  separator_->setVisible(false);
  other_->setCheckable(true);
  group_->addAction(other_);
  menu_->addAction(separator_);
  menu_->addAction(other_);
  connect(other_, &QAction::triggered, this, &OpenListMenu::openOther);
  connect(menu_, &QMenu::aboutToShow, this, &OpenListMenu::onAboutToShow);
  connect(&lists_, &ListController::listClosed, this, &OpenListMenu::uncheckAll);
}

OpenListMenu::~OpenListMenu() = default;

void OpenListMenu::setFileDialogs(FileDialogs* dialogs) {
  dialogs_ = dialogs ? dialogs : ownDialogs_.get();
}

void OpenListMenu::setChecked(QAction* action) {
  checked_ = action;
  if (action) {
    action->setChecked(true);
  } else {
    for (QAction* item : group_->actions()) item->setChecked(false);
  }
}

void OpenListMenu::buildListMenu() {
  const ListMenuSource source = source_ ? source_() : ListMenuSource{};
  listsFolder_ = source.listsFolder;
  // The lists folder becomes the current directory; a folder that cannot be entered is ignored.
  std::error_code ignored;
  if (!listsFolder_.empty()) std::filesystem::current_path(FilePath(listsFolder_), ignored);

  for (QAction* action : entryActions_) {
    group_->removeAction(action);
    menu_->removeAction(action);
    window_->removeAction(action);
    if (checked_ == action) checked_ = nullptr;
    action->deleteLater();
  }
  entryActions_.clear();
  menu_->setDefaultAction(nullptr);

  const ListMenuContents contents = BuildListMenuFromFolder(listsFolder_, source.displayAllLists);
  entries_ = contents.entries;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const ListMenuEntry& entry = entries_[i];
    auto* action = new QAction(QString::fromStdString(entry.caption), menu_);
    action->setObjectName(QString::fromStdString(entry.objectName));
    action->setStatusTip(QString::fromStdString(entry.hint));
    action->setCheckable(true);
    if (!entry.shortcut.empty()) {
      action->setShortcut(QKeySequence(QString::fromStdString(entry.shortcut)));
      action->setShortcutContext(Qt::WindowShortcut);
      // The shortcut works from anywhere in the window, not only while the menu is reachable.
      window_->addAction(action);
    }
    if (entry.isDefault) {
      QFont font = action->font();
      font.setBold(true);
      action->setFont(font);
      menu_->setDefaultAction(action);
    }
    group_->addAction(action);
    connect(action, &QAction::triggered, this, [this, i] { openListEntry(i); });
    menu_->insertAction(separator_, action);
    entryActions_.push_back(action);
  }
  separator_->setVisible(contents.separatorVisible);
  other_->setText(QString::fromStdString(contents.otherCaption));
  // The open list keeps its check mark across a rebuild.
  if (state_.session.isOpen()) checkListInMenu(state_.listPath);
}

void OpenListMenu::checkListInMenu(const std::string& path) {
  const ListMenuCheck check = CheckedEntryFor(path, listsFolder_, entries_);
  if (check.kind == ListMenuCheck::Kind::Entry && check.index < entryActions_.size()) {
    setChecked(entryActions_[check.index]);
  } else if (check.kind == ListMenuCheck::Kind::Other) {
    setChecked(other_);
  }
}

void OpenListMenu::uncheckAll() {
  setChecked(nullptr);
}

void OpenListMenu::openListEntry(std::size_t i) {
  if (i >= entryActions_.size()) return;
  QAction* entry = entryActions_[i];
  setChecked(checked_);
  lists_.openList(ListEntryPath(listsFolder_, entries_[i]));
  // Checked even when the file could not be opened.
  setChecked(entry);
}

void OpenListMenu::openOther() {
  setChecked(checked_);
  const QString chosen = dialogs_->openList(window_, QString::fromStdString(listsFolder_));
  if (chosen.isEmpty()) return;
  const std::string path = chosen.toStdString();
  lists_.openList(path);
  checkListInMenu(path);
}

void OpenListMenu::openFromButton() {
  statusBar_->setPanelText(StatusBarPanels::kHintPanel, QString());
  statusBar_->repaint();
  openOther();
}

void OpenListMenu::updateTopicTitles() {
  if (state_.listPath.empty()) return;
  const std::string path = state_.listPath;
  lists_.openList(path, /*rescan=*/true);
  checkListInMenu(path);
}

void OpenListMenu::onAboutToShow() {
  if (entryActions_.empty()) other_->setChecked(false);
}

}  // namespace qorl::gui
