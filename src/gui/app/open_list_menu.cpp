#include "gui/app/open_list_menu.h"

#include <QActionGroup>
#include <QMenu>

namespace qorl::gui {

OpenListMenu::OpenListMenu(QMenu* menu, QAction* other,
                           std::function<void(const std::string&)> open)
    : QObject(menu),
      menu_(menu),
      other_(other),
      group_(new QActionGroup(this)),
      open_(std::move(open)) {
  group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  other_->setCheckable(true);
  group_->addAction(other_);
}

void OpenListMenu::build(const std::string& listsFolder, bool displayAllLists) {
  listsFolder_ = listsFolder;
  for (QAction* action : entryActions_) {
    group_->removeAction(action);
    menu_->removeAction(action);
    action->deleteLater();
  }
  entryActions_.clear();
  const ListMenuContents contents = BuildListMenuFromFolder(listsFolder, displayAllLists);
  entries_ = contents.entries;
  menu_->clear();
  for (const ListMenuEntry& entry : entries_) {
    auto* action = new QAction(QString::fromStdString(entry.caption), menu_);
    action->setObjectName(QString::fromStdString(entry.objectName));
    action->setStatusTip(QString::fromStdString(entry.hint));
    if (!entry.shortcut.empty())
      action->setShortcut(QKeySequence(QString::fromStdString(entry.shortcut)));
    if (entry.isDefault) {
      QFont font = action->font();
      font.setBold(true);
      action->setFont(font);
    }
    action->setCheckable(true);
    group_->addAction(action);
    const std::string path = ListEntryPath(listsFolder, entry);
    connect(action, &QAction::triggered, this, [this, path] { open_(path); });
    menu_->addAction(action);
    entryActions_.push_back(action);
  }
  separator_ = menu_->addSeparator();
  separator_->setVisible(contents.separatorVisible);
  other_->setText(QString::fromStdString(contents.otherCaption));
  menu_->addAction(other_);
}

void OpenListMenu::checkList(const std::string& path) {
  for (QAction* action : group_->actions()) action->setChecked(false);
  if (path.empty()) return;
  const ListMenuCheck check = CheckedEntryFor(path, listsFolder_, entries_);
  if (check.kind == ListMenuCheck::Kind::Entry && check.index < entryActions_.size()) {
    entryActions_[check.index]->setChecked(true);
  } else if (check.kind == ListMenuCheck::Kind::Other) {
    other_->setChecked(true);
  }
}

}  // namespace qorl::gui
