// SPDX-License-Identifier: MIT
#pragma once
// The Bookmarks menu: "Add Bookmark"/"Remove Bookmark" for the topic on view (Ctrl+D; its
// tool-bar button is checked while the topic is bookmarked), "Organize Bookmarks...", then the
// bookmarks themselves (Alt+1 to Alt+9 for the first nine). Choosing one opens its list through
// the usual open and shows the topic it names; one whose list or topic is gone says so and
// offers to remove it. Every change is stored at once.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "core/bookmarks/bookmarks.h"

class QAction;
class QMenu;
class QWidget;

namespace qorl {
class MessageService;
}

namespace qorl::gui {

struct BrowseState;
class TopicSelector;
class OrganizeBookmarksDialog;

struct BookmarkStore {
  std::function<std::vector<Bookmark>()> load;
  std::function<void(const std::vector<Bookmark>&)> save;
};

class BookmarksController : public QObject {
  Q_OBJECT
 public:
  BookmarksController(QWidget* window, QMenu* menu, BrowseState& state, TopicSelector& topics,
                      MessageService& messages, std::function<void(const std::string&)> openList);

  // Reads the stored bookmarks; later changes are written through store.
  void setStore(BookmarkStore store);
  const std::vector<Bookmark>& bookmarks() const { return bookmarks_; }
  QAction* toggleAction() const { return toggle_; }
  QAction* organizeAction() const { return organize_; }

  // Adds the topic on view, or removes it when it is bookmarked.
  void toggle();
  // Shows bookmark i.
  void open(int i);
  // Runs the Organize dialog; tests replace how it is run (true: Ok).
  void organize();
  void setDialogRunner(std::function<bool(OrganizeBookmarksDialog&)> runner) {
    runDialog_ = std::move(runner);
  }

  // The toggle's caption, check mark and enabled state for the topic on view.
  void updateState();

 private:
  int indexOfCurrent() const;
  void changed();
  void rebuildMenu();
  bool offerRemoval(int i, const std::string& text);

  QWidget* window_;
  QMenu* menu_;
  BrowseState& state_;
  TopicSelector& topics_;
  MessageService& messages_;
  std::function<void(const std::string&)> openList_;
  std::function<bool(OrganizeBookmarksDialog&)> runDialog_;
  BookmarkStore store_;
  std::vector<Bookmark> bookmarks_;
  QAction* toggle_ = nullptr;
  QAction* organize_ = nullptr;
  std::vector<QAction*> items_;
};

}  // namespace qorl::gui
