// SPDX-License-Identifier: MIT
// qorl grep LIST TEXT [--case] [--words] [--all-lists]
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/search_arguments.h"
#include "cli/terminal_services.h"
#include "cli/topic_output.h"
#include "core/app/list_menu.h"
#include "core/list/error_codes.h"
#include "core/list/file_path.h"
#include "core/search/full_text_search.h"

namespace qorl::cli {
namespace {

// The lists to search: LIST alone, or every list file of its folder (of LIST itself when it is
// a folder), each with the prefix its lines get.
struct GrepTarget {
  std::string path;
  std::string prefix;
};

std::vector<GrepTarget> GrepTargets(const std::string& list, bool allLists) {
  if (!allLists) return {{list, {}}};
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path given = FilePath(list);
  const std::string folder = fs::is_directory(given, ec) ? list : Utf8Path(given.parent_path());
  std::vector<GrepTarget> targets;
  for (const std::string& name : ListFileNames(folder)) {
    targets.push_back({ListFolderPath(folder.empty() ? "." : folder, name), name + '\t'});
  }
  return targets;
}

// Prints the topics of one list that hold the text; false when the output failed.
bool GrepList(const GrepTarget& target, const FullTextQuery& query, TerminalMessages& messages,
              int& hits) {
  // A list whose bytes lack the text has no topic that holds it; its table is not needed.
  if (!ListFileMayHoldText(target.path, query)) return true;
  ListSession session;
  if (!OpenForCommand(session, target.path, IndexPolicy{}, messages)) return true;
  TopicLines lines(session.topics(), target.prefix);
  bool written = true;
  const FullTextStatus status = SearchListFileText(target.path, session.topics(), query, nullptr,
                                                   [&](std::vector<TopicMatch>& batch) {
                                                     for (const TopicMatch& match : batch)
                                                       written = written && lines.add(match.topic);
                                                     hits += static_cast<int>(batch.size());
                                                   });
  if (status == FullTextStatus::ReadFailed) ShowError(messages, kErrorLoadList);
  return lines.finish() && written;
}

}  // namespace

int RunGrep(const Arguments& args) {
  SearchArguments words;
  bool allLists = false;
  auto own = [&allLists](const Arguments& all, std::size_t& i) {
    if (all[i] != "--all-lists") return kUnknownOption;
    allLists = true;
    return kExitOk;
  };
  if (const int status = ParseSearchArguments(args, "grep", own, words); status != kExitOk) {
    return status;
  }
  FullTextQuery query;
  query.caseSensitive = words.options.caseSensitive;
  query.wholeWords = words.options.wholeWords;

  TerminalMessages messages;
  int hits = 0;
  // The search runs on the list's bytes; a text that code page 437 cannot hold matches nothing.
  if (words.pattern(query.pattern)) {
    for (const GrepTarget& target : GrepTargets(words.list, allLists)) {
      if (!GrepList(target, query, messages, hits)) return kExitFailure;
    }
  }
  if (hits == 0) return ReportNotFound(messages, words);
  return kExitOk;
}

}  // namespace qorl::cli
