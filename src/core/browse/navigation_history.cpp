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

std::optional<HistoryEntry> NavigationHistory::dropAndGoOn(bool goingBack) {
  if (entries_.empty()) return std::nullopt;
  const std::size_t dropped = position_;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(dropped));
  lastWasStep_ = provisional_ = false;
  if (dropped == 0) {
    // Only going back can reach the first entry; the one after it is where the move began.
    position_ = 0;
    return std::nullopt;
  }
  position_ = dropped - 1;
  if (goingBack) return entries_[position_];
  return forward();
}

}  // namespace qorl
