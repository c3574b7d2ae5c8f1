#pragma once
// The Open List sub-menu: one radio entry per list file of the lists folder, a separator and
// "&Other..." (a file dialog), with the entry of the open list checked.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "core/app/list_menu.h"

class QAction;
class QActionGroup;
class QMenu;

namespace qorl::gui {

class OpenListMenu : public QObject {
  Q_OBJECT
 public:
  // other: the "&Other..." action, kept at the menu's end. open: opens a list by path.
  OpenListMenu(QMenu* menu, QAction* other, std::function<void(const std::string&)> open);

  // Rebuilds the entries from the lists folder.
  void build(const std::string& listsFolder, bool displayAllLists);
  // Checks the entry of the list at path (or Other...); empty path: no check mark.
  void checkList(const std::string& path);
  const std::vector<QAction*>& entries() const { return entryActions_; }
  const std::string& listsFolder() const { return listsFolder_; }

 private:
  QMenu* menu_;
  QAction* other_;
  QAction* separator_ = nullptr;
  QActionGroup* group_;
  std::function<void(const std::string&)> open_;
  std::string listsFolder_;
  std::vector<ListMenuEntry> entries_;
  std::vector<QAction*> entryActions_;
};

}  // namespace qorl::gui
