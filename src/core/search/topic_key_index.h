// SPDX-License-Identifier: MIT
#pragma once
// LocateTopic for many lookups in one table: the topics ordered by their folded, trimmed
// identifiers, so that a key finds the identifiers it begins in a binary search instead of a
// pass over the table. Answers are LocateTopic's, topic for topic.

#include <string_view>
#include <vector>

#include "core/list/topic_table.h"

namespace qorl {

class TopicKeyIndex {
 public:
  // table must outlive the index and stay unchanged.
  explicit TopicKeyIndex(const TopicTable& table);

  // What LocateTopic(table, keyText, titleText) answers.
  TopicNumber locate(std::string_view keyText, std::string_view titleText) const;

  std::size_t memoryBytes() const { return order_.capacity() * sizeof(TopicNumber); }

 private:
  const TopicTable& table_;
  std::vector<TopicNumber> order_;  // topics 1.. by folded trimmed identifier
};

}  // namespace qorl
