// SPDX-License-Identifier: MIT
#pragma once
// Back and Forward (`ViewBackCmd`, `ViewForwardCmd`): the history of the topics shown. Every
// topic the topic view comes to show is a visit, whatever showed it (the grid, Find, a link,
// Previous/Next Topic, ...); the rules of which visits make an entry are NavigationHistory's.
// Back and Forward reopen the entry's list through the list opener when another is open,
// select and show its topic (found again by identifier and title when the list changed, in the
// category shown when that holds it) and put the view back at its scroll position. An entry
// whose list cannot be opened goes with every other entry of that list after the list's one
// message; a topic no longer in its list is named once and skipped. The mouse's back and
// forward buttons anywhere in the main window do the same.

#include <QObject>
#include <string>

#include "core/browse/navigation_history.h"
#include "gui/browse/browse_state.h"

class QAction;

namespace qorl {
class MessageService;
}

namespace qorl::gui {

class ListOpener;
class TopicLoader;
class TopicSelector;
class TopicTextView;

class NavigationController : public QObject {
  Q_OBJECT
 public:
  NavigationController(BrowseState& state, const BrowseWidgets& widgets, TopicTextView* view,
                       TopicLoader& loader, ListOpener& list, TopicSelector& topics,
                       MessageService& messages, QAction* back, QAction* forward,
                       QObject* parent = nullptr);

  void goBack() { go(true); }
  void goForward() { go(false); }
  const NavigationHistory& history() const { return history_; }
  // Back has somewhere to go: an earlier entry, or the entry on view when it is no longer shown
  // (its list was closed).
  bool canGoBack() const;
  // Keeps the scroll position of the entry on view (before another topic or list replaces it).
  void keepScroll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class ShowOutcome { Shown, ListGone, TopicGone, NotShown };
  void go(bool back);
  // Shows an entry; ListGone when its list cannot be opened (the list's error was shown).
  ShowOutcome show(const HistoryEntry& entry);
  bool onView(const HistoryEntry& entry) const;
  static std::string GoneTopicMessage(const HistoryEntry& entry);
  void onTopicLoaded();

  BrowseState& state_;
  BrowseWidgets widgets_;
  TopicTextView* view_;
  ListOpener& list_;
  TopicSelector& topics_;
  MessageService& messages_;
  QAction* back_;
  QAction* forward_;
  NavigationHistory history_;
  bool navigating_ = false;  // Back or Forward is showing an entry: its loads are no visits
  bool gridStep_ = false;    // a navigation key of the grid is being handled
  bool settlePending_ = false;
};

}  // namespace qorl::gui
