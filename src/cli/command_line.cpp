// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

namespace qorl::cli {

int SplitArguments(const Arguments& args, const std::string& command, const OptionReader& option,
                   std::vector<std::string>& positional) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (optionsEnded || word.size() < 2 || word.compare(0, 2, "--") != 0) {
      positional.push_back(word);
    } else if (word == "--") {
      optionsEnded = true;
    } else if (const int status = option(args, i); status == kUnknownOption) {
      return UsageError("unknown option \"" + word + "\" for " + command);
    } else if (status != kExitOk) {
      return status;
    }
  }
  return kExitOk;
}

int SplitArguments(const Arguments& args, const std::string& command, const OptionReader& option,
                   std::size_t count, const std::string& needs,
                   std::vector<std::string>& positional) {
  if (const int status = SplitArguments(args, command, option, positional); status != kExitOk)
    return status;
  if (positional.size() != count) return UsageError(command + " needs " + needs);
  return kExitOk;
}

}  // namespace qorl::cli
