// SPDX-License-Identifier: MIT
#pragma once
// Output shared by the subcommands: the one-line description of a topic that `topics` and `find`
// print, and a topic's text written as stored.

#include <optional>
#include <string>
#include <string_view>

#include "cli/terminal_services.h"
#include "core/list/list_session.h"
#include "core/list/topic_table.h"

namespace qorl::cli {

// Buffers topic lines, "number TAB category TAB offset TAB length TAB identifier TAB title LF"
// with the list's own bytes, each after prefix, and writes them to stdout in large blocks.
class TopicLines {
 public:
  explicit TopicLines(const TopicTable& table, std::string prefix = {});
  // Appends topic n's line (with a tab and extra before its end when given); false when a block
  // could not be written.
  bool add(TopicNumber n, std::optional<std::string_view> extra = std::nullopt);
  // Writes what is left and flushes stdout; false when the output failed.
  bool finish();

 private:
  const TopicTable& table_;
  std::string prefix_;
  std::string buffer_;
};

// Writes topic n's bytes to stdout exactly as stored. Returns the exit status; a topic that
// cannot be read reports error 3.
int WriteTopicText(const ListSession& session, TopicNumber n, TerminalMessages& messages);

}  // namespace qorl::cli
