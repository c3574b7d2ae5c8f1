// SPDX-License-Identifier: MIT
#include "cli/search_arguments.h"

#include <vector>

#include "core/browse/codepage437.h"
#include "core/list/message_service.h"
#include "core/search/find_state.h"

namespace qorl::cli {

bool SearchArguments::pattern(std::string& bytes) const {
  return EncodeCp437FromUtf8(text, bytes);
}

int ParseSearchArguments(const Arguments& args, const std::string& command, const OptionReader& own,
                         SearchArguments& out) {
  auto option = [&](const Arguments& all, std::size_t& i) {
    if (all[i] == "--case") {
      out.options.caseSensitive = true;
    } else if (all[i] == "--words") {
      out.options.wholeWords = true;
    } else {
      return own(all, i);
    }
    return kExitOk;
  };
  std::vector<std::string> positional;
  if (const int status =
          SplitArguments(args, command, option, 2, "a list file and a search text", positional);
      status != kExitOk) {
    return status;
  }
  if (positional[1].empty()) {
    return UsageError(command + " needs a search text that is not empty");
  }
  out.list = positional[0];
  out.text = positional[1];
  return kExitOk;
}

int ReportNotFound(MessageService& messages, const SearchArguments& words) {
  messages.information(SearchNotFoundMessage(words.text));
  return kExitFailure;
}

}  // namespace qorl::cli
