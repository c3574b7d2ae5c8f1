// SPDX-License-Identifier: MIT
// qorl combine FOLDER [--ports] [--delete]
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/command_line.h"
#include "cli/terminal_services.h"
#include "core/list/file_path.h"
#include "core/tools/section_join.h"

namespace qorl::cli {

int RunCombine(const Arguments& args) {
  SectionJoinOptions options;
  std::vector<std::string> positional;
  const auto option = [&](const Arguments& words, std::size_t& i) {
    if (words[i] == "--ports") {
      options.ports = true;
    } else if (words[i] == "--delete") {
      options.deleteSections = true;
    } else {
      return kUnknownOption;
    }
    return kExitOk;
  };
  if (const int status =
          SplitArguments(args, "combine", option, 1, "exactly one folder", positional);
      status != kExitOk)
    return status;
  const std::string& folder = positional[0];
  TerminalMessages messages;
  std::error_code ec;
  if (!std::filesystem::is_directory(FilePath(folder), ec)) {
    messages.error("\"" + folder + "\" is not a folder");
    return kExitFailure;
  }

  const SectionJoinResult result = JoinSections(folder, options);
  std::string out;
  for (std::size_t i = 0; i < result.tried.size(); ++i) {
    out += result.tried[i];
    out += result.taken[i] ? "\n" : " unavailable (skipped)\n";
  }
  if (result.outcome == SectionJoinOutcome::kJoined) {
    out += result.listName + ": " + std::to_string(result.bytes) + " bytes from " +
           std::to_string(result.takenPaths.size()) + " sections\n";
    if (options.deleteSections) {
      out += "deleted " + std::to_string(result.takenPaths.size() - result.notDeleted.size()) +
             " sections\n";
    }
  }
  const bool written = WriteOut(out) && FlushOut();
  if (const std::string message = SectionJoinMessage(result); !message.empty()) {
    messages.error(message);
    return kExitFailure;
  }
  return written ? kExitOk : kExitFailure;
}

}  // namespace qorl::cli
