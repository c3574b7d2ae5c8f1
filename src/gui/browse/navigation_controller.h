#pragma once
// Back and Forward (`ViewBackCmd`, `ViewForwardCmd`): the history of the topics shown. Every
// topic the topic view comes to show is a visit, whatever showed it (the grid, Find, a link,
// Previous/Next Topic, ...); the rules of which visits make an entry are NavigationHistory's.
// Back and Forward reopen the entry's list through the list controller when another is open,
// select and show its topic and put the view back at its scroll position. The mouse's back and
// forward buttons anywhere in the main window do the same.

#include <QObject>

#include "core/browse/navigation_history.h"
#include "gui/browse/browse_state.h"

class QAction;

namespace qorl::gui {

class FindController;
class ListController;
class TopicLoader;
class TopicTextView;

class NavigationController : public QObject {
  Q_OBJECT
 public:
  NavigationController(BrowseState& state, const BrowseWidgets& widgets, TopicTextView* view,
                       TopicLoader& loader, ListController& list, FindController& find,
                       QAction* back, QAction* forward, QObject* parent = nullptr);

  void goBack() { go(true); }
  void goForward() { go(false); }
  const NavigationHistory& history() const { return history_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void go(bool back);
  // Shows an entry; false when its list or topic cannot be shown (the list's error was shown).
  bool show(const HistoryEntry& entry);
  void onTopicLoaded();
  void keepScroll();

  BrowseState& state_;
  BrowseWidgets widgets_;
  TopicTextView* view_;
  ListController& list_;
  FindController& find_;
  QAction* back_;
  QAction* forward_;
  NavigationHistory history_;
  bool navigating_ = false;  // Back or Forward is showing an entry: its loads are no visits
  bool gridStep_ = false;    // a navigation key of the grid is being handled
  bool settlePending_ = false;
};

}  // namespace qorl::gui
