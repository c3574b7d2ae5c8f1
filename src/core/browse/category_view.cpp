// SPDX-License-Identifier: MIT
#include "core/browse/category_view.h"

#include <algorithm>

namespace qorl {

std::vector<TopicNumber> BuildCategoryView(const TopicTable& table, unsigned char categoryChar) {
  std::vector<TopicNumber> view;
  const TopicNumber count = table.count();
  if (count <= 0) return view;
  if (categoryChar == 255) {
    view.resize(static_cast<std::size_t>(count));
    for (TopicNumber n = 0; n < count; ++n) view[static_cast<std::size_t>(n)] = n;
    return view;
  }
  view.reserve(static_cast<std::size_t>(count));
  for (TopicNumber n = 0; n < count; ++n) {
    if (table.category(n) == categoryChar) view.push_back(n);
  }
  view.shrink_to_fit();
  return view;
}

int CategoryView::rowOf(TopicNumber n) const {
  // The view is in ascending topic order, so a binary search finds the row.
  const auto it = std::lower_bound(topics.begin(), topics.end(), n);
  if (it == topics.end() || *it != n) return -1;
  return static_cast<int>(it - topics.begin());
}

}  // namespace qorl
