// SPDX-License-Identifier: MIT
// qorl index [--policy use|noupdate|nouse] LIST
#include <cstdio>

#include "cli/cli_command.h"
#include "cli/terminal_services.h"

namespace qorl::cli {

int RunIndex(const Arguments& args) {
  IndexPolicy policy;
  std::string list;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--policy") {
      if (++i == args.size()) return UsageError("--policy needs use, noupdate or nouse");
      if (args[i] == "use") {
        policy = IndexPolicy{};
      } else if (args[i] == "noupdate") {
        policy = IndexPolicy{true, false};
      } else if (args[i] == "nouse") {
        policy = IndexPolicy{false, true};
      } else {
        return UsageError("unknown index policy \"" + args[i] + "\"");
      }
    } else if (list.empty()) {
      list = args[i];
    } else {
      return UsageError("index takes one list file");
    }
  }
  if (list.empty()) return UsageError("index needs a list file");

  TerminalMessages messages;
  ListSession session;
  if (!OpenForCommand(session, list, policy, messages)) return kExitFailure;
  std::printf("%d topics (%s)\n", session.topics().count(),
              session.source() == TopicSource::Index ? "index" : "scan");
  // The index could not be written: that was this command's job.
  return messages.count() == 0 ? kExitOk : kExitFailure;
}

}  // namespace qorl::cli
