// qorl topics LIST
#include <string>

#include "cli/cli_command.h"
#include "cli/terminal_services.h"

namespace qorl::cli {

int RunTopics(const Arguments& args) {
  if (args.size() != 1) return UsageError("topics needs exactly one list file");
  TerminalMessages messages;
  ListSession session;
  if (!OpenForCommand(session, args[0], IndexPolicy{}, messages)) return kExitFailure;

  const TopicTable& table = session.topics();
  std::string out;
  out.reserve(1 << 16);
  for (TopicNumber n = 0; n < table.count(); ++n) {
    const TopicRecord& record = table.record(n);
    out += std::to_string(n);
    out += '\t';
    out += static_cast<char>(record.category);
    out += '\t';
    out += std::to_string(record.offset);
    out += '\t';
    out += std::to_string(record.length);
    out += '\t';
    out += table.identifier(n);
    out += '\t';
    out += table.title(n);
    out += '\n';
    if (out.size() > (1 << 16) - 512) {
      if (!WriteOut(out)) return kExitFailure;
      out.clear();
    }
  }
  return WriteOut(out) && FlushOut() ? kExitOk : kExitFailure;
}

}  // namespace qorl::cli
