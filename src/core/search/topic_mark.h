// SPDX-License-Identifier: MIT
#pragma once
// A topic remembered across changes of its list: its number then, its identifier and its title.
// Search results and the Back/Forward history keep topics this way and find them again after the
// list was edited (topics inserted or removed before them).

#include <string>
#include <string_view>

#include "core/list/topic_table.h"

namespace qorl {

struct TopicMark {
  TopicNumber topic = -1;
  std::string identifier;
  std::string title;

  bool operator==(const TopicMark&) const = default;
};

// What table holds of topic n (empty texts when n is no topic of it).
TopicMark MarkOf(const TopicTable& table, TopicNumber n);

// The remembered topic in table: its old number when identifier and title still stand there,
// else the topic with the same identifier and title nearest to that number (the earlier one of
// two as near), or -1 when the table holds no such topic.
TopicNumber FindMarkedTopic(const TopicTable& table, const TopicMark& mark);

}  // namespace qorl
