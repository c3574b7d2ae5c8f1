// SPDX-License-Identifier: MIT
#pragma once
// A message service that records every message instead of showing a box; confirm() answers
// with a preset reply.

#include <functional>
#include <string>
#include <vector>

#include "core/list/message_service.h"

namespace qorl::test {

class RecordingMessages final : public MessageService {
 public:
  struct Entry {
    std::string kind;
    std::string text;
  };
  void warning(const std::string& text) override {
    if (onMessage) onMessage();
    entries.push_back({"warning", text});
  }
  void information(const std::string& text) override { entries.push_back({"information", text}); }
  void error(const std::string& text) override { entries.push_back({"error", text}); }
  bool confirm(const std::string& text) override {
    entries.push_back({"confirm", text});
    return confirmReply;
  }

  std::vector<Entry> entries;
  bool confirmReply = true;
  std::function<void()> onMessage;  // runs when a warning is shown
};

}  // namespace qorl::test
