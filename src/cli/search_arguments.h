#pragma once
// The command line of the search commands (find, grep): LIST TEXT, --case, --words, "--" to end
// the options, and options of the command's own.

#include <cstddef>
#include <functional>
#include <string>

#include "cli/cli_command.h"

namespace qorl::cli {

struct SearchArguments {
  std::string list;
  std::string text;  // never empty
  bool caseSensitive = false;
  bool wholeWords = false;
};

// Takes an option of the command's own at args[i] (it may step i over a value): kExitOk when
// taken, kExitUsage (after UsageError) when the option or its value is wrong.
using OwnOption = std::function<int(const Arguments& args, std::size_t& i)>;

// Fills out from args; kExitOk, or kExitUsage after a message naming the command.
int ParseSearchArguments(const Arguments& args, const std::string& command, const OwnOption& own,
                         SearchArguments& out);

}  // namespace qorl::cli
