// SPDX-License-Identifier: MIT
#pragma once
// Message and busy implementations for the terminal: messages go to stderr one per line,
// questions are answered No, and the busy pattern is silent.

#include "core/list/busy.h"
#include "core/list/list_session.h"
#include "core/list/message_service.h"

namespace qorl::cli {

class TerminalMessages final : public MessageService {
 public:
  void warning(const std::string& text) override;
  void information(const std::string& text) override;
  void error(const std::string& text) override;
  bool confirm(const std::string& text) override;
  int count() const { return count_; }

 private:
  int count_ = 0;
};

// Opens a list the way every subcommand does; prints its failure and returns false. A lookup of
// one topic passes stop, which ends the reading of a current index at that topic.
bool OpenForCommand(ListSession& session, const std::string& path, const IndexPolicy& policy,
                    TerminalMessages& messages, IndexReadStop stop = {});

// Writes bytes to stdout unchanged; false when the output failed.
bool WriteOut(std::string_view bytes);
bool FlushOut();

}  // namespace qorl::cli
