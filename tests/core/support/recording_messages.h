// SPDX-License-Identifier: MIT
#pragma once
// A MessageService for tests: records every message instead of showing a box, and answers
// confirmations with a fixed, configurable answer.

#include <string>
#include <vector>

#include "core/list/message_service.h"

namespace qorl::test {

class RecordingMessages : public MessageService {
 public:
  RecordingMessages() = default;
  explicit RecordingMessages(bool answer) : confirmAnswer(answer) {}

  void warning(const std::string& text) override { warnings.push_back(text); }
  void information(const std::string& text) override { informations.push_back(text); }
  void error(const std::string& text) override { errors.push_back(text); }
  bool confirm(const std::string& text) override {
    confirmations.push_back(text);
    return confirmAnswer;
  }

  bool empty() const {
    return warnings.empty() && informations.empty() && errors.empty() && confirmations.empty();
  }
  void clear() {
    warnings.clear();
    informations.clear();
    errors.clear();
    confirmations.clear();
  }

  std::vector<std::string> warnings;
  std::vector<std::string> informations;
  std::vector<std::string> errors;
  std::vector<std::string> confirmations;  // questions asked through confirm()
  bool confirmAnswer = true;               // what confirm() answers
};

}  // namespace qorl::test
