// SPDX-License-Identifier: MIT
#pragma once
// Back and Forward: the topics the viewer has shown, oldest first, at most kDepth of them, with
// the position of the one on view. A visit drops everything ahead of that position (Forward is
// cleared by a new visit), as a browser's history does.
//
// Which visits make an entry:
// - a topic that is already the entry on view (the same list and topic, shown again) makes none;
// - a step of the topics grid by a navigation key (Up, Down, Page Up/Down, Home, End) replaces
//   the entry of the step right before it, so a run of steps keeps one entry: where it ended;
//   Back from there returns to the topic shown before the run began;
// - the first topic a list opening shows is provisional: a visit that follows before it is
//   settled (following a reference into another list locates its topic at once) replaces it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/list/topic_table.h"

namespace qorl {

struct HistoryEntry {
  std::string listPath;     // the list as it was opened
  TopicNumber topic = -1;   // topic number in that list
  std::int32_t scroll = 0;  // the topic view's vertical scroll position when it was left
  // The topic's identifier and title: the list may change before the entry is shown again, and
  // the topic is then found by them (its number only says where to start looking).
  std::string identifier;
  std::string title;

  bool sameTopic(const HistoryEntry& other) const {
    return topic == other.topic && listPath == other.listPath;
  }
  bool operator==(const HistoryEntry&) const = default;
};

enum class VisitKind {
  Jump,         // a link, a menu entry, Find, a click in the grid, Previous/Next Topic, ...
  Step,         // a grid step by a navigation key
  Provisional,  // the first topic a list opening shows
};

class NavigationHistory {
 public:
  static constexpr std::size_t kDepth = 100;

  // The topic on view is now entry (see the rules above).
  void visit(const HistoryEntry& entry, VisitKind kind = VisitKind::Jump);
  // A provisional entry becomes a normal one.
  void settle() { provisional_ = false; }
  // The scroll position of the entry on view, as it is being left.
  void setScroll(std::int32_t scroll);

  bool canGoBack() const { return !entries_.empty() && position_ > 0; }
  bool canGoForward() const { return position_ + 1 < entries_.size(); }
  // Moves one entry back or forward and returns the entry now on view; nothing at either end.
  std::optional<HistoryEntry> back();
  std::optional<HistoryEntry> forward();
  // Removes the entry that back() or forward() just moved to (its list or topic is gone), with
  // wholeList every entry of its list, and moves on in the same direction: returns the next
  // entry to try, now the one on view, or nothing when there is none, the position then being
  // the nearest entry left on the other side (where the move started).
  std::optional<HistoryEntry> dropAndGoOn(bool goingBack, bool wholeList = false);
  // The entry on view was found again under another number (its list changed).
  void renumberCurrent(TopicNumber topic);

  const HistoryEntry* current() const { return entries_.empty() ? nullptr : &entries_[position_]; }
  const std::vector<HistoryEntry>& entries() const { return entries_; }
  std::size_t position() const { return position_; }

 private:
  std::vector<HistoryEntry> entries_;
  std::size_t position_ = 0;
  bool lastWasStep_ = false;
  bool provisional_ = false;
};

}  // namespace qorl
