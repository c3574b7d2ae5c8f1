// SPDX-License-Identifier: MIT
#pragma once
// The Find box's history: the texts searched for during this run, most recent first.

#include <cstddef>
#include <string>
#include <vector>

namespace qorl {

class FindHistory {
 public:
  static constexpr std::size_t kMaxEntries = 19;

  // Puts text at the top unless it equals the first entry (exact comparison; only the first entry
  // is compared, so a text further down is added again). The oldest entry beyond 19 is dropped.
  void add(const std::string& text);

  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;  // most recent first
};

}  // namespace qorl
