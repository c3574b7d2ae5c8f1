// SPDX-License-Identifier: MIT
#include "core/search/find_state.h"

namespace qorl {

void FindState::dialogShown() {
  if (values_.scope == FindScope::None) values_.scope = FindScope::CurrentCategoryTitles;
  remembered_ = values_;
  restoreOnClose_ = true;
}

void FindState::dialogClosed() {
  if (restoreOnClose_) values_ = remembered_;
  restoreOnClose_ = false;
}

bool FindState::findPressed() {
  if (values_.text.empty()) return false;
  startPosition_ = 0;
  history_.add(values_.text);
  restoreOnClose_ = false;
  return true;
}

void FindState::locateHit(std::int32_t row) {
  startPosition_ = row + 1;
  notFound_ = false;
}

void FindState::locateMissed() {
  notFound_ = true;
  ResetIfAbove0();
}

void FindState::topicLoaded() {
  if (values_.scope == FindScope::CurrentTopic) startPosition_ = 0;
}

std::string SearchNotFoundMessage(std::string_view text) {
  std::string message = "Search string '";
  message += text;
  message += "' not found";
  return message;
}

}  // namespace qorl
