// SPDX-License-Identifier: MIT
// qorl topics LIST
#include "cli/cli_command.h"
#include "cli/terminal_services.h"
#include "cli/topic_output.h"

namespace qorl::cli {

int RunTopics(const Arguments& args) {
  if (args.size() != 1) return UsageError("topics needs exactly one list file");
  TerminalMessages messages;
  ListSession session;
  if (!OpenForCommand(session, args[0], IndexPolicy{}, messages)) return kExitFailure;

  const TopicTable& table = session.topics();
  TopicLines lines(table);
  for (TopicNumber n = 0; n < table.count(); ++n) {
    if (!lines.add(n)) return kExitFailure;
  }
  return lines.finish() ? kExitOk : kExitFailure;
}

}  // namespace qorl::cli
