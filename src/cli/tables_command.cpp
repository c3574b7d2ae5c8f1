// SPDX-License-Identifier: MIT
// qorl tables LIST
#include <string>

#include "cli/cli_command.h"
#include "cli/terminal_services.h"
#include "core/browse/table_map.h"

namespace qorl::cli {

int RunTables(const Arguments& args) {
  if (args.size() != 1) return UsageError("tables needs exactly one list file");
  TerminalMessages messages;
  ListSession session;
  if (!OpenForCommand(session, args[0], IndexPolicy{}, messages)) return kExitFailure;
  TableMap tables;
  if (!BuildTableMapOfFile(args[0], session.topics(), tables)) {
    messages.error("Unable to read \"" + args[0] + "\"");
    return kExitFailure;
  }
  std::string out;
  for (const TableDefinition& table : tables.definitions()) {
    out += table.id;
    out += '\t';
    out += std::to_string(table.topic);
    out += '\t';
    out += session.topics().identifier(table.topic);
    out += '\n';
  }
  return WriteOut(out) && FlushOut() ? kExitOk : kExitFailure;
}

}  // namespace qorl::cli
