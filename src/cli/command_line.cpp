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

int ParseSearchArguments(const Arguments& args, const std::string& command, const OptionReader& own,
                         SearchArguments& out) {
  auto option = [&](const Arguments& all, std::size_t& i) {
    if (all[i] == "--case") {
      out.caseSensitive = true;
    } else if (all[i] == "--words") {
      out.wholeWords = true;
    } else {
      return own(all, i);
    }
    return kExitOk;
  };
  std::vector<std::string> positional;
  if (const int status =
          SplitArguments(args, command, option, 2, "a list file and a search text", positional);
      status != kExitOk)
    return status;
  if (positional[1].empty()) {
    return UsageError(command + " needs a search text that is not empty");
  }
  out.list = positional[0];
  out.text = positional[1];
  return kExitOk;
}

}  // namespace qorl::cli
