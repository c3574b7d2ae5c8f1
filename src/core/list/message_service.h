// SPDX-License-Identifier: MIT
#pragma once
// Every message box of the program goes through this interface, so that tests can replace it and
// never block on a modal dialog. Texts are UTF-8.

#include <string>

namespace qorl {

class MessageService {
 public:
  virtual ~MessageService() = default;
  // Warning icon, single OK button (numbered errors).
  virtual void warning(const std::string& text) = 0;
  // Information icon, single OK button (file and search messages).
  virtual void information(const std::string& text) = 0;
  // Error icon, single OK button (unexpected failures of a command).
  virtual void error(const std::string& text) = 0;
  // Yes/No question; true for Yes.
  virtual bool confirm(const std::string& text) = 0;
};

// Drops every message and answers No to every question; for work that runs without a window to
// show a box in (worker threads, benchmarks).
class SilentMessages final : public MessageService {
 public:
  void warning(const std::string&) override {}
  void information(const std::string&) override {}
  void error(const std::string&) override {}
  bool confirm(const std::string&) override { return false; }
};

}  // namespace qorl
