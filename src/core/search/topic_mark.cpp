// SPDX-License-Identifier: MIT
#include "core/search/topic_mark.h"

namespace qorl {

TopicMark MarkOf(const TopicTable& table, TopicNumber n) {
  if (!table.isValid(n)) return {n, {}, {}};
  return {n, std::string(table.identifier(n)), std::string(table.title(n))};
}

TopicNumber FindMarkedTopic(const TopicTable& table, const TopicMark& mark) {
  const auto holds = [&](TopicNumber n) {
    return table.identifier(n) == mark.identifier && table.title(n) == mark.title;
  };
  const TopicNumber count = table.count();
  if (count == 0) return -1;
  const TopicNumber from = mark.topic < 0 ? 0 : (mark.topic >= count ? count - 1 : mark.topic);
  // Outwards from the old number: an edit near the topic moves it only a little.
  for (TopicNumber d = 0; from - d >= 0 || from + d < count; ++d) {
    if (from - d >= 0 && holds(from - d)) return from - d;
    if (d > 0 && from + d < count && holds(from + d)) return from + d;
  }
  return -1;
}

}  // namespace qorl
