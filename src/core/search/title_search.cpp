// SPDX-License-Identifier: MIT
#include "core/search/title_search.h"

namespace qorl {

std::string TitleTextOf(const TopicTable& table, TopicNumber n) {
  std::string text;
  if (!table.isValid(n)) return text;
  text.reserve(table.identifier(n).size() + 1 + table.title(n).size());
  text += table.identifier(n);
  text += ' ';
  text += table.title(n);
  return text;
}

TitleMatcher::TitleMatcher(std::string_view pattern, const TitleSearchOptions& options)
    : pattern_(pattern, options.caseSensitive), wholeWords_(options.wholeWords) {}

bool TitleMatcher::matches(std::string_view text) const {
  const std::size_t pos = pattern_.findIn(text);
  if (pos == std::string_view::npos) return false;
  return !wholeWords_ || IsWholeWordAt(text, pos, pattern_.size());
}

bool TitleMatcher::matchesTopic(const TopicTable& table, TopicNumber n, std::string& buffer) const {
  const std::string_view identifier = table.identifier(n);
  const std::string_view title = table.title(n);
  if (identifier.size() + 1 + title.size() < pattern_.size()) return false;
  buffer.assign(identifier);
  buffer.push_back(' ');
  buffer.append(title);
  return matches(buffer);
}

std::int32_t SearchTitlesInView(const TopicTable& table, std::span<const TopicNumber> view,
                                std::string_view pattern, std::int32_t start,
                                const TitleSearchOptions& options) {
  return SearchTitleRows(
      table, static_cast<std::int32_t>(view.size()),
      [view](std::int32_t row) { return view[static_cast<std::size_t>(row)]; }, pattern, start,
      options);
}

std::int32_t SearchAllTitles(const TopicTable& table, std::string_view pattern, std::int32_t start,
                             const TitleSearchOptions& options) {
  return SearchTitleRows(
      table, table.count(), [](std::int32_t row) { return row; }, pattern, start, options);
}

}  // namespace qorl
