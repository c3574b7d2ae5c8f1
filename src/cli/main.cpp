// qorl: the list library in a shell. Dispatches to one subcommand per file.
#include <array>
#include <cstdio>
#include <cstring>

#include "cli/cli_command.h"

namespace qorl::cli {
namespace {

constexpr std::array kCommands = {
    Command{"index", "[--policy use|noupdate|nouse] LIST",
            "open LIST as the viewer does: read its current index or scan it and write the "
            "index where the policy allows; prints \"N topics (index)\" or \"N topics (scan)\"",
            RunIndex},
    Command{"topics", "LIST",
            "print one line per topic: number, category, offset, length, identifier, title, "
            "separated by tabs, bytes as in the list",
            RunTopics},
    Command{"show", "LIST TOPIC",
            "write the topic's bytes as stored; TOPIC is #N for topic number N, otherwise the "
            "identifier of the first topic that has it",
            RunShow},
};

void PrintHelp(std::FILE* to) {
  std::fprintf(to, "Usage: qorl COMMAND ARGUMENTS\n\nCommands:\n");
  for (const Command& command : kCommands) {
    std::fprintf(to, "  qorl %s %s\n      %s\n", command.name, command.usage, command.summary);
  }
  std::fprintf(to,
               "  qorl --help\n      show this text\n\n"
               "Index policies: use = read a current index, write a new one after a scan "
               "(default);\n  noupdate = read a current index, never write one; nouse = "
               "always scan, never read or write an index.\n"
               "The index file lies beside the list, named after it with the extension "
               ".qorlv.\n\n"
               "Messages go to standard error. Exit status: 0 success, 1 failure (for index "
               "also when the\nindex could not be written), 2 wrong command line.\n");
}

}  // namespace

int UsageError(const std::string& text) {
  std::fprintf(stderr, "qorl: %s (see qorl --help)\n", text.c_str());
  return kExitUsage;
}

}  // namespace qorl::cli

int main(int argc, char** argv) {
  using namespace qorl::cli;
  if (argc < 2) {
    PrintHelp(stderr);
    return kExitUsage;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
      std::strcmp(argv[1], "help") == 0) {
    PrintHelp(stdout);
    return kExitOk;
  }
  for (const Command& command : kCommands) {
    if (std::strcmp(argv[1], command.name) == 0) {
      return command.run(Arguments(argv + 2, argv + argc));
    }
  }
  return UsageError(std::string("unknown command \"") + argv[1] + "\"");
}
