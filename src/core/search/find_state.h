// SPDX-License-Identifier: MIT
#pragma once
// The Find dialog's state for the whole run: the dialog's values, the history, the remembered
// values that Cancel puts back, the search start position and the not-found flag. The dialog and
// the main window drive it; it performs no search itself.
//
// A search from the dialog or by Search Again goes:
//   1. findPressed() (the Find button; false: empty text, the dialog stays open) or, for Search
//      Again, searchAgainShowsDialog() (true: show the dialog instead);
//   2. encode values().text to the list's bytes (EncodeCp437FromUtf8; a text that does not
//      encode is not found) and search from startPosition(): SearchTitlesInView (scope 0),
//      SearchAllTitles (scope 1) or SearchTopicText (scope 2);
//   3. on a hit, searchHit(the grid's selected row after selecting the topic, or the character
//      position in scope 2); otherwise searchMissed() and the information message
//      SearchNotFoundMessage(values().text).

#include <cstdint>
#include <string>
#include <string_view>

#include "core/search/find_history.h"

namespace qorl {

enum class FindScope : std::int8_t {
  None = -1,                  // no scope chosen yet (before the dialog was first shown)
  CurrentCategoryTitles = 0,  // "Topic titles of current category"
  AllTitles = 1,              // "Topic titles of all categories"
  CurrentTopic = 2,           // "Current topic"
};

// What the dialog's controls hold. The text is UTF-8, as typed.
struct FindValues {
  std::string text;
  FindScope scope = FindScope::None;
  bool caseSensitive = false;
  bool wholeWords = false;
  bool operator==(const FindValues&) const = default;
};

class FindState {
 public:
  FindValues& values() { return values_; }
  const FindValues& values() const { return values_; }
  const FindHistory& history() const { return history_; }

  // The dialog is being shown: picks scope 0 when none is chosen, remembers the values and sets
  // the restore-on-close flag.
  void dialogShown();
  // Cancel, Esc or the close box: puts the remembered values back while the flag is set.
  void dialogClosed();
  // The Find button. False when the text is empty (nothing happens). Otherwise the start
  // position becomes 0, the text enters the history and the restore-on-close flag is cleared, so
  // closing the dialog keeps the new values; the caller then closes it and runs the search.
  bool findPressed();
  // Search Again with an empty text shows the dialog instead of searching.
  bool searchAgainShowsDialog() const { return values_.text.empty(); }
  bool restoreOnClose() const { return restoreOnClose_; }

  // Where the next search starts: a category-view row (scope 0), a topic number (scope 1) or a
  // character position in the topic on view (scope 2). Shared by all scopes.
  std::int32_t startPosition() const { return startPosition_; }
  // Result of the last locate (cross-reference lookup).
  bool notFound() const { return notFound_; }

  // A search hit at grid row, topic number or character position: the next starts just after.
  void searchHit(std::int32_t position) { startPosition_ = position + 1; }
  // Nothing found: the next search starts again at the beginning (no wrap-around).
  void searchMissed() { ResetIfAbove0(); }
  // A located topic now selected at grid row.
  void locateHit(std::int32_t row);
  // No topic located.
  void locateMissed();
  // A topic was shown: with scope "Current topic" the next search starts at its beginning.
  void topicLoaded();
  // The list was closed (also before every opening).
  void listClosed() { startPosition_ = 0; }

 private:
  void ResetIfAbove0() {
    if (startPosition_ > 0) startPosition_ = 0;
  }

  FindValues values_;
  FindValues remembered_;
  FindHistory history_;
  bool restoreOnClose_ = false;
  std::int32_t startPosition_ = 0;
  bool notFound_ = false;
};

// "Search string '" + text + "' not found" (UTF-8).
std::string SearchNotFoundMessage(std::string_view text);

}  // namespace qorl
