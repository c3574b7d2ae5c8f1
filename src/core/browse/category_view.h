// SPDX-License-Identifier: MIT
#pragma once
// The category view: the topic numbers the topics grid lists, in grid order, and the category
// character it was built for (255 for all categories, 0 while no list is open).

#include <vector>

#include "core/list/topic_table.h"

namespace qorl {

// Topic numbers of every topic whose category character is categoryChar, in file order; every
// topic when categoryChar is 255.
std::vector<TopicNumber> BuildCategoryView(const TopicTable& table, unsigned char categoryChar);

struct CategoryView {
  std::vector<TopicNumber> topics;
  unsigned char categoryChar = 0;

  TopicNumber count() const { return static_cast<TopicNumber>(topics.size()); }
  bool showsAll() const { return categoryChar == 255; }
  // Topic number of grid row r; 0 for a row outside the view.
  TopicNumber topicAt(int row) const {
    return row >= 0 && row < count() ? topics[static_cast<std::size_t>(row)] : 0;
  }
  // Grid row of topic n; -1 when the view does not hold it.
  int rowOf(TopicNumber n) const;
  void clear() {
    topics.clear();
    categoryChar = 0;
  }
};

}  // namespace qorl
