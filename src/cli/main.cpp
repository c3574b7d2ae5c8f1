// SPDX-License-Identifier: MIT
// qorl: the list library in a shell. Dispatches to one subcommand per file.
#include <array>
#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "cli/program_arguments.h"
#include "core/app/program_version.h"

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
    Command{"find", "LIST TEXT [--case] [--words] [--category C]",
            "print every topic whose \"identifier title\" holds TEXT, as topics prints it, in "
            "list order; --case compares letters exactly (otherwise a-z and A-Z are alike), "
            "--words takes only a whole-word first occurrence, --category C searches only the "
            "topics of category character C",
            RunFind},
    Command{"ref", "LIST REFERENCE [--from IDENTIFIER]",
            "follow a reference (\"INT 21/AH=4Ch\", \"PORT 0060\", a table \"#01378\", "
            "...) as the viewer does with every reference followed and write the topic it "
            "leads to as show does; a reference of another list kind (\"PORT 0060h\" given "
            "INTERRUP.LST) is looked up in that list beside LIST; a relative INTERRUP.LST "
            "reference (\"AX=4B00h\") takes its interrupt from --from, the identifier of the "
            "topic it is read in",
            RunRef},
    Command{"grep", "LIST TEXT [--case] [--words] [--all-lists]",
            "print every topic whose text (from its title line to its end) holds TEXT, as "
            "topics prints it, in list order; --case and --words as for find, but every "
            "occurrence counts for --words; --all-lists searches every list file (*.LST) of "
            "LIST's folder and puts the file name and a tab before each line",
            RunGrep},
    Command{"tables", "LIST",
            "print one line per table definition \"(Table Xnnnn)\" in file order: table id, "
            "topic number, identifier, separated by tabs",
            RunTables},
    Command{"lookup", "FOLDER-OR-LIST QUERY [--limit N]",
            "Go to Topic in a shell: print the topics that fit QUERY, best first (at most N, "
            "default 50), as topics prints them after the list's file name and a tab; a "
            "reference in any common spelling (\"int 21 ah=4c\", \"21/4C\", \"port 60\", "
            "\"mem 40:17\", \"msr 1b\", \"#01378\") first names the topic it leads to, then "
            "every topic whose identifier and title hold all words of QUERY; a folder is searched "
            "with every list file in it",
            RunLookup},
    Command{"combine", "FOLDER [--ports] [--delete]",
            "join the section files of FOLDER (INTERRUP.A, INTERRUP.B, ...; with --ports "
            "PORTS.A, ...) into INTERRUP.LST (PORTS.LST) as COMBINE.COM does: missing sections "
            "are skipped, the count in a section's first line (\"Interrupt List, part 2 of 18\") "
            "says when to stop, the list gets the last section's time; the list is replaced "
            "only once it is complete, and --delete deletes the sections joined after that; "
            "prints each section tried",
            RunCombine},
    Command{"refs-to", "LIST TOPIC [--all-lists] [--see-also-only]",
            "print every topic that refers to TOPIC (#N or an identifier, as for show), as "
            "topics prints it with a tab and the reference; references are found and followed "
            "as the viewer's links with every reference followed (--see-also-only: as with it "
            "off); --all-lists takes the referring topics of every list file (*.LST) of LIST's "
            "folder and puts the file name and a tab before each line; exit 1 when none refers "
            "to it",
            RunRefsTo},
};

void PrintHelp(std::FILE* to) {
  std::fprintf(to, "Usage: qorl COMMAND ARGUMENTS\n\nCommands:\n");
  for (const Command& command : kCommands) {
    std::fprintf(to, "  qorl %s %s\n      %s\n", command.name, command.usage, command.summary);
  }
  std::fprintf(
      to,
      "  qorl --help\n      show this text\n"
      "  qorl --version\n      print the program's version\n\n"
      "Index policies: use = read a current index, write a new one after a scan "
      "(default);\n  noupdate = read a current index, never write one; nouse = "
      "always scan, never read or write an index.\n"
      "The index file lies beside the list, named after it with the extension "
      ".qorlv.\n\n"
      "find, grep and ref take TEXT, REFERENCE and IDENTIFIER as UTF-8 and search for them in "
      "code page 437,\n  the list's own encoding (ASCII is the same in both); text "
      "that code page 437 cannot hold\n  matches nothing. A TEXT that begins with -- "
      "follows the word --.\n"
      "find and grep find nothing: \"Search string 'TEXT' not found\", status 1.\n"
      "ref finds nothing: \"Topic is not located in current list\" (not a reference "
      "of this list)\n  or \"Unable to locate topic in current list\" (no topic "
      "fits), status 1; looked up in another list, the message names it: \"(searched "
      "PORTS.LST)\",\n  or \"(PORTS.LST not found)\" when LIST's folder has none. "
      "A list's own references are\n  followed in INTERRUP.LST, PORTS.LST, "
      "MEMORY.LST, CMOS.LST, FARCALL.LST, MSR.LST and I2C.LST\n  (the list kind "
      "comes from the file name); a reference of no list read elsewhere:\n  "
      "\"References are not followed in this list\", status 1.\n\n"
      "combine finds no section, cannot read one or cannot write the list: the old list and "
      "the sections\n  stay as they were, status 1.\n\n"
      "Messages go to standard error. Exit status: 0 success, 1 failure (for index "
      "also when the\nindex could not be written), 2 wrong command line.\n");
}

// "qorl " and the program's version: on Windows that of its version resource.
void PrintVersion() {
  std::printf("qorl %s\n", qorl::VersionNumberText(qorl::ReadVersion()).c_str());
}

}  // namespace

int UsageError(const std::string& text) {
  std::fprintf(stderr, "qorl: %s (see qorl --help)\n", text.c_str());
  return kExitUsage;
}

}  // namespace qorl::cli

int main(int argc, char** argv) {
  using namespace qorl::cli;
  UseBinaryStreams();
  const Arguments words = ProgramArguments(argc, argv);
  if (words.empty()) {
    PrintHelp(stderr);
    return kExitUsage;
  }
  const std::string& first = words.front();
  if (first == "--help" || first == "-h" || first == "help") {
    PrintHelp(stdout);
    return kExitOk;
  }
  if (first == "--version") {
    PrintVersion();
    return kExitOk;
  }
  for (const Command& command : kCommands) {
    if (first == command.name) return command.run(Arguments(words.begin() + 1, words.end()));
  }
  return UsageError("unknown command \"" + first + "\"");
}
