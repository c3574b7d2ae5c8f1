// SPDX-License-Identifier: MIT
#include "core/search/find_history.h"

namespace qorl {

void FindHistory::add(const std::string& text) {
  if (!entries_.empty() && entries_.front() == text) return;
  entries_.insert(entries_.begin(), text);
  if (entries_.size() > kMaxEntries) entries_.pop_back();
}

}  // namespace qorl
