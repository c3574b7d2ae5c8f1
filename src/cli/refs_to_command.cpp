// SPDX-License-Identifier: MIT
// qorl refs-to LIST TOPIC [--all-lists] [--see-also-only]
#include <charconv>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/command_line.h"
#include "cli/terminal_services.h"
#include "cli/topic_output.h"
#include "core/app/list_menu.h"
#include "core/browse/reverse_references.h"
#include "core/browse/topic_format.h"
#include "core/list/file_path.h"
#include "core/list/list_kind.h"

namespace qorl::cli {
namespace {

// "#N" is topic number N, anything else the identifier of the first topic that has it.
TopicNumber FindNamedTopic(const TopicTable& table, const std::string& name) {
  if (name.size() > 1 && name[0] == '#') {
    TopicNumber wanted = -1;
    const auto result = std::from_chars(name.data() + 1, name.data() + name.size(), wanted);
    const bool number = result.ec == std::errc() && result.ptr == name.data() + name.size();
    return number && table.isValid(wanted) ? wanted : -1;
  }
  for (TopicNumber n = 0; n < table.count(); ++n) {
    if (table.identifier(n) == name) return n;
  }
  return -1;
}

}  // namespace

int RunRefsTo(const Arguments& args) {
  bool allLists = false;
  bool seeAlsoOnly = false;
  auto option = [&](const Arguments& all, std::size_t& i) {
    if (all[i] == "--all-lists") {
      allLists = true;
    } else if (all[i] == "--see-also-only") {
      seeAlsoOnly = true;
    } else {
      return kUnknownOption;
    }
    return kExitOk;
  };
  std::vector<std::string> positional;
  if (const int status =
          SplitArguments(args, "refs-to", option, 2, "a list file and a topic", positional);
      status != kExitOk)
    return status;

  TerminalMessages messages;
  NullBusyIndicator busy;
  ListShelf shelf(OpenOptions{}, busy, messages);
  const std::string listPath = NormalListPath(positional[0]);
  const ListSession* list = shelf.list(listPath);
  if (!list) return kExitFailure;
  const TopicNumber topic = FindNamedTopic(list->topics(), positional[1]);
  if (topic < 0) {
    messages.information("No topic \"" + positional[1] + "\" in the list !");
    return kExitFailure;
  }

  std::vector<std::string> sources{listPath};
  if (allLists) {
    const std::string folder = NormalListPath(Utf8Path(FilePath(listPath).parent_path()));
    sources.clear();
    for (const std::string& name : ListFileNames(folder))
      sources.push_back(NormalListPath(Utf8Path(FilePath(folder) / FilePath(name))));
  }
  LinkResolver resolver(shelf, !seeAlsoOnly);
  std::vector<ListReferences> built(sources.size());
  std::vector<const ListReferences*> lists;
  for (std::size_t i = 0; i < sources.size(); ++i) {
    BuildListReferences(resolver, sources[i], {}, built[i]);
    lists.push_back(&built[i]);
  }

  bool ok = true;
  std::string bytes;
  const std::vector<Referrer> referrers = ReferrersOf(lists, listPath, topic);
  for (std::size_t i = 0; i < referrers.size() && ok;) {
    const Referrer& first = referrers[i];
    const ListSession* source = shelf.list(first.listPath);
    if (!source) {
      ++i;
      continue;
    }
    TopicLines lines(source->topics(),
                     allLists ? std::string(FileNameOf(first.listPath)) + '\t' : std::string());
    for (; i < referrers.size() && referrers[i].listPath == first.listPath; ++i) {
      const Referrer& r = referrers[i];
      source->readTopic(r.topic, bytes);
      const std::string text = DisplayTextOf(bytes);
      ok = lines.add(r.topic, std::string_view(text).substr(r.start, r.length)) && ok;
    }
    ok = lines.finish() && ok;
  }
  if (!ok) return kExitFailure;
  return referrers.empty() ? kExitFailure : kExitOk;
}

}  // namespace qorl::cli
