// SPDX-License-Identifier: MIT
// qorl ref LIST REFERENCE [--from IDENTIFIER]
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/command_line.h"
#include "cli/terminal_services.h"
#include "cli/topic_output.h"
#include "core/browse/codepage437.h"
#include "core/browse/reference_key.h"
#include "core/list/list_kind.h"
#include "core/search/follow_reference.h"
#include "core/search/locate_topic.h"
#include "core/search/text_rules.h"

namespace qorl::cli {
namespace {

// Said when the list's kind has no reference grammar; the viewer's links do nothing there.
constexpr const char* kReferencesNotFollowed = "References are not followed in this list";

// An INTERRUP.LST reference such as "AH=4Bh" names a function of the interrupt on view, which
// the viewer knows and the tool must be told.
bool IsRelativeInterruptReference(std::string_view reference) {
  return !StartsWithFolded(reference, "INT") && reference.find('=') == 2;
}

}  // namespace

int RunRef(const Arguments& args) {
  std::optional<std::string> from;
  auto option = [&from](const Arguments& all, std::size_t& i) {
    if (all[i] != "--from") return kUnknownOption;
    if (++i == all.size()) return UsageError("--from needs a topic identifier");
    from = all[i];
    return kExitOk;
  };
  std::vector<std::string> positional;
  if (const int status =
          SplitArguments(args, "ref", option, 2, "a list file and a reference", positional);
      status != kExitOk)
    return status;

  // The list kind follows the file name, so a relative reference without --from is refused
  // before the list is read.
  if (ListKindOf(positional[0]) == ListKind::Interrup && !from &&
      IsRelativeInterruptReference(positional[1])) {
    return UsageError("the relative reference \"" + positional[1] +
                      "\" needs --from IDENTIFIER, the topic it is read in");
  }

  // References and identifiers are the list's bytes; text that code page 437 cannot hold fits
  // no topic.
  std::string reference;
  std::string current;
  const bool encoded = EncodeCp437FromUtf8(positional[1], reference) &&
                       EncodeCp437FromUtf8(from.value_or(std::string()), current);

  TerminalMessages messages;
  NullBusyIndicator busy;
  const std::string& listPath = positional[0];
  OpenOptions options;
  // A reference of the list's own grammar names a topic by its identifier: reading the index
  // ends there. Table references and references into other lists need the whole table.
  if (encoded &&
      ResolveReference(reference, ListKindOf(listPath), current).status == ReferenceStatus::Key) {
    options.stopReading = ReferenceFoundAt(reference, ListKindOf(listPath), current);
  }
  ListShelf shelf(options, busy, messages);
  if (!shelf.list(listPath)) return kExitFailure;
  if (!encoded) {
    messages.information(std::string(kUnableToLocateTopicMessage));
    return kExitFailure;
  }

  // Every reference is followed: table references, references into the other lists beside
  // LIST, and the shapes of running text.
  const FollowedReference followed = FollowReference(shelf, listPath, reference, current);
  if (followed.target.outcome == ReferenceOutcome::NotHandled) {
    messages.information(kReferencesNotFollowed);
    return kExitFailure;
  }
  if (followed.target.outcome != ReferenceOutcome::Found) {
    if (!followed.message.empty()) messages.information(followed.message);
    return kExitFailure;
  }
  return WriteTopicText(*shelf.list(followed.listPath), followed.target.topic, messages);
}

}  // namespace qorl::cli
