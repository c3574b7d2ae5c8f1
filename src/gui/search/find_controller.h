// SPDX-License-Identifier: MIT
#pragma once
// Find and Search Again over the open list: the title search of the current category or of all
// categories, the search of the topic on view, and LocateTopic, which selects a topic found by its
// identifier (the cross-references use it). Holds the Find state and the Find dialog for the run.

#include <QObject>
#include <functional>
#include <string>
#include <string_view>

#include "core/search/find_state.h"
#include "gui/browse/browse_state.h"
#include "gui/browse/topic_selector.h"

namespace qorl {
class BusyIndicator;
class MessageService;
}  // namespace qorl

namespace qorl::gui {

class CategorySteps;
class GridSteps;
class TFormFind;
class TopicTextView;

class FindController : public QObject, public TopicSelector {
  Q_OBJECT
 public:
  // Shows the dialog modally; true when it closed through the Find button. Tests replace it.
  using DialogRunner = std::function<bool(TFormFind& dialog)>;

  FindController(BrowseState& state, const BrowseWidgets& widgets, TopicTextView* view,
                 BusyIndicator& busy, MessageService& messages, GridSteps& grid,
                 CategorySteps& categories, QObject* parent = nullptr);
  ~FindController() override;

  // SearchFindCmd: the dialog, then the search when Find was pressed.
  void showFindDialog();
  // SearchSearchAgainCmd: the dialog when there is no text yet, else the search from where the
  // last one stopped.
  void searchAgain();
  // One search with the dialog's values from the search start position.
  void runSearch();
  // Finds the first topic from number 1 on whose identifier starts with key (and whose title
  // holds title), and selects and shows it. False (the not-found flag) when there is none.
  bool locateTopic(std::string_view key, std::string_view title);
  // Selects and shows a topic found by a lookup; the next search starts after its row.
  void showLocatedTopic(TopicNumber n) override;
  // Selects topic n's row, in the category shown when the topic is in it, else under All
  // categories as a lookup does, and shows the topic, whatever SingleClickView says.
  void selectAndLoadTopic(TopicNumber n) override;
  // Selects and shows topic n as a lookup does, leaving the Find state alone; false when n is
  // no topic of the open list.
  bool showTopic(TopicNumber n);
  // A lookup found nothing.
  void locateMissed() override { find_.locateMissed(); }

  void onTopicLoaded() { find_.topicLoaded(); }
  void onListClosed() { find_.listClosed(); }

  FindState& findState() { return find_; }
  // The Find dialog, built on first use.
  TFormFind* dialog();
  void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

 private:
  // The hit's position (grid row or character position), or -1.
  std::int32_t searchTitles(const std::string& pattern);
  std::int32_t searchCurrentTopic(const std::string& pattern);
  // Selects the grid row of topic n, switching to all categories first when needed, and shows
  // the topic.
  void selectTopic(TopicNumber row, bool switchToAll);
  void repaintGrid();

  BrowseState& state_;
  BrowseWidgets widgets_;
  TopicTextView* view_;
  BusyIndicator& busy_;
  MessageService& messages_;
  GridSteps& grid_;
  CategorySteps& categories_;
  FindState find_;
  TFormFind* dialog_ = nullptr;
  DialogRunner runDialog_;
};

}  // namespace qorl::gui
