// SPDX-License-Identifier: MIT
// qorl lookup FOLDER-OR-LIST QUERY [--limit N]
#include <charconv>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/command_line.h"
#include "cli/terminal_services.h"
#include "cli/topic_output.h"
#include "core/app/list_menu.h"
#include "core/list/file_path.h"
#include "core/lookup/topic_lookup.h"

namespace qorl::cli {
namespace {

// Every list file of a folder, in the Open List menu's order; a list file alone.
std::vector<std::string> LookupPaths(const std::string& given) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(qorl::FilePath(given), ec)) return {given};
  std::vector<std::string> paths;
  for (const std::string& name : ListFileNames(given)) paths.push_back(ListFolderPath(given, name));
  return paths;
}

}  // namespace

int RunLookup(const Arguments& args) {
  std::size_t limit = kDefaultLookupLimit;
  auto option = [&limit](const Arguments& all, std::size_t& i) {
    if (all[i] != "--limit") return kUnknownOption;
    if (++i == all.size()) return UsageError("--limit needs a number");
    const std::string& text = all[i];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), limit);
    if (error != std::errc() || end != text.data() + text.size() || limit == 0)
      return UsageError("--limit needs a number of 1 or more, not \"" + text + "\"");
    return kExitOk;
  };
  std::vector<std::string> positional;
  if (const int status = SplitArguments(args, "lookup", option, 2,
                                        "a folder or list file and a query", positional);
      status != kExitOk)
    return status;

  TerminalMessages messages;
  const std::vector<std::string> paths = LookupPaths(positional[0]);
  LookupLists lists;
  for (const std::string& path : paths) {
    if (auto list = LoadLookupList(path)) {
      lists.push_back(std::move(list));
    } else {
      messages.information("Unable to read \"" + path + "\"");
    }
  }
  const std::vector<LookupRow> rows = LookupTopics(lists, positional[1], limit);
  if (rows.empty()) {
    messages.information("No topic fits '" + positional[1] + "'");
    return kExitFailure;
  }
  for (const LookupRow& row : rows) {
    const LookupList& list = *lists[row.list];
    TopicLines lines(list.topics(), list.name + '\t');
    if (!lines.add(row.topic) || !lines.finish()) return kExitFailure;
  }
  return kExitOk;
}

}  // namespace qorl::cli
