// SPDX-License-Identifier: MIT
#include "gui/search/find_controller.h"

#include <QSignalBlocker>
#include <algorithm>

#include "core/browse/categories.h"
#include "core/browse/codepage437.h"
#include "core/list/busy.h"
#include "core/list/message_service.h"
#include "core/search/locate_topic.h"
#include "core/search/title_search.h"
#include "core/search/topic_text_search.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/category_steps.h"
#include "gui/browse/grid_steps.h"
#include "gui/browse/topic_text_view.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/search/find_dialog.h"

namespace qorl::gui {

FindController::FindController(BrowseState& state, const BrowseWidgets& widgets,
                               TopicTextView* view, BusyIndicator& busy, MessageService& messages,
                               GridSteps& grid, CategorySteps& categories, QObject* parent)
    : QObject(parent),
      state_(state),
      widgets_(widgets),
      view_(view),
      busy_(busy),
      messages_(messages),
      grid_(grid),
      categories_(categories),
      runDialog_([](TFormFind& dialog) { return dialog.exec() == QDialog::Accepted; }) {}

FindController::~FindController() = default;

// Built at its first showing: most runs never open it.
TFormFind* FindController::dialog() {
  if (!dialog_) dialog_ = new TFormFind(find_, widgets_.window);
  return dialog_;
}

void FindController::showFindDialog() {
  TFormFind& form = *dialog();
  form.prepareShow();
  if (runDialog_(form)) {
    if (widgets_.window) widgets_.window->repaint();
    runSearch();
  }
  repaintGrid();
}

void FindController::searchAgain() {
  if (find_.searchAgainShowsDialog()) {
    showFindDialog();
    return;
  }
  runSearch();
  repaintGrid();
}

void FindController::runSearch() {
  const FindValues values = find_.values();
  // The list's bytes; a text the code page cannot hold matches nothing.
  std::string pattern;
  const bool encoded = EncodeCp437FromUtf8(values.text, pattern) && !pattern.empty();
  std::int32_t hit = -1;
  {
    BusyScope busy(busy_, "Searching...");
    if (values.scope == FindScope::CurrentTopic)
      hit = searchCurrentTopic(encoded ? pattern : std::string());
    else if (encoded)
      hit = searchTitles(pattern);
  }
  if (hit >= 0) {
    // The window takes the focus again only now that the search has enabled it again.
    if (values.scope == FindScope::CurrentTopic)
      view_->setFocus();
    else
      grid_.focusGrid();
    return;
  }
  messages_.information(SearchNotFoundMessage(values.text));
  find_.searchMissed();
}

std::int32_t FindController::searchTitles(const std::string& pattern) {
  if (!state_.session.isOpen()) return -1;
  const FindValues& values = find_.values();
  TitleSearchOptions options;
  options.caseSensitive = values.caseSensitive;
  options.wholeWords = values.wholeWords;
  const std::int32_t start = find_.startPosition();
  if (values.scope == FindScope::AllTitles) {
    const std::int32_t n = SearchAllTitles(state_.topics(), pattern, start, options);
    if (n < 0) return -1;
    selectTopic(n, state_.view.categoryChar != kAllCategories);
  } else {
    const std::int32_t row =
        SearchTitlesInView(state_.topics(), state_.view.topics, pattern, start, options);
    if (row < 0) return -1;
    selectTopic(row, false);
  }
  const std::int32_t row = widgets_.grid->currentRow();
  find_.searchHit(row);
  return row;
}

std::int32_t FindController::searchCurrentTopic(const std::string& pattern) {
  const FindValues& values = find_.values();
  const bool shown = state_.currentTopic >= 0 && !view_->document()->isEmpty();
  const std::int32_t position =
      shown && !pattern.empty()
          ? SearchTopicText(view_->topicText(), pattern, find_.startPosition(),
                            values.caseSensitive, values.wholeWords)
          : -1;
  view_->selectRange(0, 0);
  if (position < 0) return -1;
  find_.searchHit(position);
  view_->selectRange(position, static_cast<int>(pattern.size()));
  return position;
}

void FindController::selectTopic(TopicNumber row, bool switchToAll) {
  if (switchToAll) {
    {
      const QSignalBlocker block(widgets_.combo);
      widgets_.combo->setCurrentIndex(0);
    }
    // Row n of all categories is topic n; the rebuild shows it when SingleClickView is on.
    categories_.buildCategoryView(widgets_.combo->entryBytes(0), row);
  } else {
    widgets_.grid->setCurrentRow(row);
    grid_.onRowSelected(widgets_.grid->currentRow());
    grid_.onClickReaction();
  }
  if (!state_.options.singleClickView) grid_.loadTopic(state_.selectedTopic);
}

bool FindController::locateTopic(std::string_view key, std::string_view title) {
  TopicNumber n = -1;
  {
    BusyScope busy(busy_, "Locating topic...");
    if (state_.session.isOpen()) n = LocateTopic(state_.topics(), key, title);
  }
  if (n < 0) {
    find_.locateMissed();
    return false;
  }
  showLocatedTopic(n);
  return true;
}

void FindController::showLocatedTopic(TopicNumber n) {
  if (showTopic(n)) find_.locateHit(widgets_.grid->currentRow());
}

bool FindController::showTopic(TopicNumber n) {
  if (!state_.session.isOpen() || !state_.topics().isValid(n)) return false;
  selectTopic(n, state_.view.categoryChar != kAllCategories);
  return true;
}

void FindController::selectAndLoadTopic(TopicNumber n) {
  if (!state_.session.isOpen() || !state_.topics().isValid(n)) return;
  // The category view lists its topics in file order.
  const auto& shown = state_.view.topics;
  const auto at = std::lower_bound(shown.begin(), shown.end(), n);
  const bool inView = at != shown.end() && *at == n;
  selectTopic(inView ? static_cast<TopicNumber>(at - shown.begin()) : n, !inView);
  if (state_.currentTopic != n) grid_.loadTopic(n);
}

void FindController::repaintGrid() {
  if (widgets_.grid) widgets_.grid->viewport()->repaint();
}

}  // namespace qorl::gui
