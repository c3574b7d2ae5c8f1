// SPDX-License-Identifier: MIT
// qorl show LIST TOPIC
#include <charconv>
#include <string>

#include "cli/cli_command.h"
#include "cli/terminal_services.h"
#include "cli/topic_output.h"

namespace qorl::cli {
namespace {

// "#N" names topic number N; anything else is an identifier, the first topic that has it.
bool IsNamed(const TopicTable& table, TopicNumber n, const std::string& name) {
  if (name.size() > 1 && name[0] == '#') {
    TopicNumber wanted = -1;
    const auto result = std::from_chars(name.data() + 1, name.data() + name.size(), wanted);
    return result.ec == std::errc() && result.ptr == name.data() + name.size() && n == wanted;
  }
  return table.identifier(n) == name;
}

TopicNumber FindTopic(const TopicTable& table, const std::string& name) {
  for (TopicNumber n = 0; n < table.count(); ++n) {
    if (IsNamed(table, n, name)) return n;
  }
  return -1;
}

}  // namespace

int RunShow(const Arguments& args) {
  if (args.size() != 2) return UsageError("show needs a list file and a topic");
  TerminalMessages messages;
  ListSession session;
  // Reading the index ends at the topic asked for.
  const auto named = [&](const TopicTable& table, TopicNumber n) {
    return IsNamed(table, n, args[1]);
  };
  if (!OpenForCommand(session, args[0], IndexPolicy{}, messages, named)) return kExitFailure;

  const TopicNumber n = FindTopic(session.topics(), args[1]);
  if (n < 0) {
    messages.information("No topic \"" + args[1] + "\" in the list !");
    return kExitFailure;
  }
  return WriteTopicText(session, n, messages);
}

}  // namespace qorl::cli
