// SPDX-License-Identifier: MIT
#pragma once
// Texts of the first three status-bar panels and of the window caption (UTF-8).

#include <string>

#include "core/list/list_kind.h"
#include "core/list/topic_table.h"

namespace qorl {

inline constexpr const char* kProgramTitle = "Qorl Viewer";

// "1542 topics (87 in category)".
inline std::string TopicCountText(TopicNumber topicCount, TopicNumber viewCount) {
  return std::to_string(topicCount) + " topics (" + std::to_string(viewCount) + " in category)";
}

// "Sel: N" with the topic shown from 1.
inline std::string SelectedTopicText(TopicNumber selected) {
  return "Sel: " + std::to_string(static_cast<long long>(selected) + 1);
}

// "Cur: N" with the topic shown from 1, so "Cur: 0" when no topic is on view.
inline std::string CurrentTopicText(TopicNumber current) {
  return "Cur: " + std::to_string(static_cast<long long>(current) + 1);
}

// The program title, plus " - " and the list's file name while a list is open (kind 0 or more).
inline std::string WindowCaption(int listKind, const std::string& listPath) {
  std::string caption = kProgramTitle;
  if (listKind >= 0) caption += " - " + std::string(FileNameOf(listPath));
  return caption;
}

}  // namespace qorl
