// SPDX-License-Identifier: MIT
// qorl find LIST TEXT [--case] [--words] [--category C]
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/search_arguments.h"
#include "cli/terminal_services.h"
#include "cli/topic_output.h"
#include "core/browse/category_view.h"
#include "core/browse/codepage437.h"
#include "core/search/title_search.h"

namespace qorl::cli {
namespace {

// The category character as a list byte: one byte as given, or one UTF-8 character that code
// page 437 holds. False for anything else.
bool CategoryByte(const std::string& word, unsigned char& category) {
  std::string encoded;
  if (word.size() == 1) {
    encoded = word;
  } else if (!EncodeCp437FromUtf8(word, encoded) || encoded.size() != 1) {
    return false;
  }
  category = static_cast<unsigned char>(encoded[0]);
  return true;
}

}  // namespace

int RunFind(const Arguments& args) {
  SearchArguments words;
  bool inCategory = false;
  unsigned char category = 0;
  auto own = [&](const Arguments& all, std::size_t& i) {
    if (all[i] != "--category") return kUnknownOption;
    if (++i == all.size()) return UsageError("--category needs a category character");
    if (!CategoryByte(all[i], category)) {
      return UsageError("the category \"" + all[i] + "\" is not one character");
    }
    inCategory = true;
    return kExitOk;
  };
  if (const int status = ParseSearchArguments(args, "find", own, words); status != kExitOk) {
    return status;
  }
  const TitleSearchOptions& options = words.options;

  TerminalMessages messages;
  ListSession session;
  if (!OpenForCommand(session, words.list, IndexPolicy{}, messages)) return kExitFailure;
  const TopicTable& table = session.topics();

  // The search runs on the list's bytes; a text that code page 437 cannot hold matches nothing.
  std::string pattern;
  const bool encodable = words.pattern(pattern);

  // Every hit in order, each search starting just after the previous hit, as Search Again does.
  TopicLines lines(table);
  int hits = 0;
  if (encodable && inCategory) {
    const std::vector<TopicNumber> view = BuildCategoryView(table, category);
    for (std::int32_t row = SearchTitlesInView(table, view, pattern, 0, options); row >= 0;
         row = SearchTitlesInView(table, view, pattern, row + 1, options)) {
      if (!lines.add(view[static_cast<std::size_t>(row)])) return kExitFailure;
      ++hits;
    }
  } else if (encodable) {
    for (std::int32_t n = SearchAllTitles(table, pattern, 0, options); n >= 0;
         n = SearchAllTitles(table, pattern, n + 1, options)) {
      if (!lines.add(n)) return kExitFailure;
      ++hits;
    }
  }
  if (!lines.finish()) return kExitFailure;
  if (hits == 0) return ReportNotFound(messages, words);
  return kExitOk;
}

}  // namespace qorl::cli
