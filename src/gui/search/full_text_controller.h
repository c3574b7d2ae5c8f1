// SPDX-License-Identifier: MIT
#pragma once
// "Search All Topics...": the search panel, its worker and its results. A search runs in the
// worker over the open list or over every list of the lists location; choosing a result opens its
// list if needed, selects and shows its topic, highlights every hit and selects the first. While
// that topic is on view, Search Again (F3) and Shift+F3 step through its hits and on to the next
// or previous result; otherwise Search Again is Find's.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "gui/browse/browse_state.h"
#include "gui/search/full_text_panel.h"

class QAction;
class QMainWindow;

namespace qorl {
class BusyIndicator;
}

namespace qorl::gui {

class FindController;
class FullTextResultsModel;
class FullTextWorker;
class TopicTextView;

// What the search needs from the window.
struct FullTextEnvironment {
  std::function<std::string()> listsFolder;
  // Opens the list at path as the Open List menu does (OpenList).
  std::function<void(const std::string& path)> openList;
};

class FullTextController : public QObject {
  Q_OBJECT
 public:
  FullTextController(QMainWindow* window, BrowseState& state, TopicTextView* view,
                     BusyIndicator& busy, FindController& find, FullTextEnvironment environment);
  ~FullTextController() override;

  // SearchAllTopicsCmd: shows the panel with the focus in its text box.
  void showPanel();
  // A search with the panel's values; the running one is cancelled first.
  void startSearch();
  // Cancels the running search (Esc); the results found so far stay.
  void stopSearch();
  // Opens result row r: its list if needed, its topic, its hits highlighted.
  void chooseResult(int r);
  // F3 (+1) and Shift+F3 (-1) while a chosen result's topic is on view: the next or previous
  // hit, then on to the next or previous result. False when the panel is not in use.
  bool stepHit(int direction);

  // The list is about to close: a search of it stops first.
  void onListClosing();
  // A topic was shown by someone else: its hits are no longer highlighted.
  void onTopicLoaded();

  FullTextPanel* panel() const { return panel_; }
  FullTextResultsModel* model() const { return model_; }
  FullTextWorker* worker() const { return worker_; }
  bool searching() const;
  // The hits of the topic on view as positions in its shown text, and the one selected.
  const std::vector<int>& hits() const { return hits_; }
  int currentHit() const { return hitIndex_; }

 private:
  void onRowsFound();
  void onSearchEnded(bool completed, bool truncated, int unreadableLists);
  void endBusy();
  // Marks every hit in the topic on view and selects the first.
  void highlightHits();
  void selectHit(int i);
  void clearHighlights();
  QString countText() const;

  QMainWindow* window_;
  BrowseState& state_;
  TopicTextView* view_;
  BusyIndicator& busy_;
  FindController& find_;
  FullTextEnvironment environment_;
  FullTextResultsModel* model_;
  FullTextWorker* worker_;
  FullTextPanel* panel_;
  QAction* previousHit_;

  FullTextPanelValues searched_;  // the values of the last search started
  std::string pattern_;           // its text in code page 437
  bool busyShown_ = false;
  bool searchingCurrentList_ = false;
  int activeRow_ = -1;            // the chosen result whose topic is on view, or -1
  TopicNumber activeTopic_ = -1;  // its topic's number in the open list
  bool showingResult_ = false;    // a chosen result's topic is being loaded
  std::vector<int> hits_;
  int hitIndex_ = -1;
};

}  // namespace qorl::gui
