// SPDX-License-Identifier: MIT
#include "core/browse/navigation_history.h"

namespace qorl {

void NavigationHistory::visit(const HistoryEntry& entry, VisitKind kind) {
  const bool step = kind == VisitKind::Step;
  if (!entries_.empty() && entries_[position_].sameTopic(entry)) {
    lastWasStep_ = lastWasStep_ && step;
    return;
  }
  const bool replace = !entries_.empty() && (provisional_ || (step && lastWasStep_));
  entries_.resize(entries_.empty() ? 0 : position_ + 1);
  if (replace) {
    entries_.back() = entry;
  } else {
    entries_.push_back(entry);
    if (entries_.size() > kDepth) entries_.erase(entries_.begin());
  }
  position_ = entries_.size() - 1;
  lastWasStep_ = step;
  provisional_ = kind == VisitKind::Provisional;
}

void NavigationHistory::setScroll(std::int32_t scroll) {
  if (!entries_.empty()) entries_[position_].scroll = scroll;
}

std::optional<HistoryEntry> NavigationHistory::back() {
  if (!canGoBack()) return std::nullopt;
  --position_;
  lastWasStep_ = provisional_ = false;
  return entries_[position_];
}

std::optional<HistoryEntry> NavigationHistory::forward() {
  if (!canGoForward()) return std::nullopt;
  ++position_;
  lastWasStep_ = provisional_ = false;
  return entries_[position_];
}

std::optional<HistoryEntry> NavigationHistory::dropAndGoOn(bool goingBack, bool wholeList) {
  if (entries_.empty()) return std::nullopt;
  const std::size_t dropped = position_;
  const std::string list = entries_[dropped].listPath;
  std::vector<HistoryEntry> kept;
  kept.reserve(entries_.size());
  std::optional<std::size_t> next;   // the nearest entry kept in the direction of travel
  std::optional<std::size_t> start;  // the nearest one kept on the other side
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (i == dropped || (wholeList && entries_[i].listPath == list)) continue;
    if (i < dropped) (goingBack ? next : start) = kept.size();
    if (i > dropped && !(goingBack ? start : next)) (goingBack ? start : next) = kept.size();
    kept.push_back(std::move(entries_[i]));
  }
  entries_ = std::move(kept);
  lastWasStep_ = provisional_ = false;
  if (next) {
    position_ = *next;
    return entries_[position_];
  }
  position_ = start.value_or(0);
  return std::nullopt;
}

void NavigationHistory::renumberCurrent(TopicNumber topic) {
  if (!entries_.empty()) entries_[position_].topic = topic;
}

}  // namespace qorl
