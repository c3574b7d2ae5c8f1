// SPDX-License-Identifier: MIT
#pragma once
// The common line of the search commands (find, grep): LIST TEXT with --case and --words, the
// text as the list's bytes, and the message when nothing was found.

#include <string>

#include "cli/command_line.h"
#include "core/search/title_search.h"

namespace qorl {
class MessageService;
}

namespace qorl::cli {

struct SearchArguments {
  std::string list;
  std::string text;            // UTF-8 as given, never empty
  TitleSearchOptions options;  // --case, --words

  // The text as the list's bytes (code page 437); false when the code page cannot hold it, and
  // then it matches nothing.
  bool pattern(std::string& bytes) const;
};

// Fills out from args, passing options other than --case and --words to own; kExitOk, or
// kExitUsage after a message naming the command.
int ParseSearchArguments(const Arguments& args, const std::string& command, const OptionReader& own,
                         SearchArguments& out);

// "Search string '...' not found"; the failing exit status.
int ReportNotFound(MessageService& messages, const SearchArguments& words);

}  // namespace qorl::cli
