// SPDX-License-Identifier: MIT
#pragma once
// The qorl tool's subcommands: each lives in its own file and is listed once in main.cpp.

#include <string>
#include <vector>

namespace qorl::cli {

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the command ran and failed (message on stderr)
inline constexpr int kExitUsage = 2;    // the command line was wrong

using Arguments = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;    // arguments after the name
  const char* summary;  // one line for the help text
  int (*run)(const Arguments& args);
};

int RunIndex(const Arguments& args);
int RunTopics(const Arguments& args);
int RunShow(const Arguments& args);
int RunFind(const Arguments& args);
int RunRef(const Arguments& args);
int RunGrep(const Arguments& args);
int RunTables(const Arguments& args);
int RunLookup(const Arguments& args);
int RunCombine(const Arguments& args);
int RunRefsTo(const Arguments& args);

// Prints "qorl: " + text to stderr and returns kExitUsage.
int UsageError(const std::string& text);

}  // namespace qorl::cli
