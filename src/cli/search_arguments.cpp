#include "cli/search_arguments.h"

#include <vector>

namespace qorl::cli {

int ParseSearchArguments(const Arguments& args, const std::string& command, const OwnOption& own,
                         SearchArguments& out) {
  std::vector<std::string> positional;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (optionsEnded || word.size() < 2 || word.compare(0, 2, "--") != 0) {
      positional.push_back(word);
    } else if (word == "--") {
      optionsEnded = true;
    } else if (word == "--case") {
      out.caseSensitive = true;
    } else if (word == "--words") {
      out.wholeWords = true;
    } else if (const int status = own(args, i); status != kExitOk) {
      return status;
    }
  }
  if (positional.size() != 2) return UsageError(command + " needs a list file and a search text");
  if (positional[1].empty()) {
    return UsageError(command + " needs a search text that is not empty");
  }
  out.list = positional[0];
  out.text = positional[1];
  return kExitOk;
}

}  // namespace qorl::cli
