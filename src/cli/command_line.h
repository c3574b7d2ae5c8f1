// SPDX-License-Identifier: MIT
#pragma once
// Reading a subcommand's words: positional words and options ("--" ends the options).

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "cli/cli_command.h"

namespace qorl::cli {

// What an OptionReader returns for an option that is not the command's.
inline constexpr int kUnknownOption = -1;

// Takes the option at args[i] (it may step i over a value): kExitOk when taken, kExitUsage
// (after UsageError) when its value is wrong, kUnknownOption when it is none of the command's.
using OptionReader = std::function<int(const Arguments& args, std::size_t& i)>;

// Every word that is not an option goes to positional, in order; kExitOk, or kExitUsage after
// a message naming the command.
int SplitArguments(const Arguments& args, const std::string& command, const OptionReader& option,
                   std::vector<std::string>& positional);
// The same for a command that takes exactly count positional words; otherwise kExitUsage after
// "COMMAND needs NEEDS".
int SplitArguments(const Arguments& args, const std::string& command, const OptionReader& option,
                   std::size_t count, const std::string& needs,
                   std::vector<std::string>& positional);

}  // namespace qorl::cli
