// SPDX-License-Identifier: MIT
#pragma once
// The title search of the Find dialog's first two scopes ("Topic titles of current category" and
// "Topic titles of all categories"). The text searched for topic n is its identifier, one blank
// and its title, as stored (untrimmed). Only the first occurrence in that text is tested, so with
// whole words 'DOS' skips 'DOSKEY - DOS MODE'.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/list/topic_table.h"
#include "core/search/byte_pattern.h"

namespace qorl {

struct TitleSearchOptions {
  bool caseSensitive = false;  // otherwise a to z are folded on both sides, nothing else
  bool wholeWords = false;     // word characters 0-9, A-Z, a-z and 192-255
};

// The searched text of topic n: identifier + " " + title.
std::string TitleTextOf(const TopicTable& table, TopicNumber n);

// Tests title texts against one search text (the list's bytes, see EncodeCp437).
class TitleMatcher {
 public:
  TitleMatcher(std::string_view pattern, const TitleSearchOptions& options);

  // Whether the search text's first occurrence in text is a hit. An empty pattern never hits.
  bool matches(std::string_view text) const;
  // The same for topic n's title text; buffer is scratch space reused between calls.
  bool matchesTopic(const TopicTable& table, TopicNumber n, std::string& buffer) const;

 private:
  BytePattern pattern_;
  bool wholeWords_;
};

// Searches rows start .. rowCount - 1, where row i shows topic rowToTopic(i), and returns the
// first row that hits, or -1. A start below 0 counts as 0; rows naming no topic are skipped.
template <class RowToTopic>
std::int32_t SearchTitleRows(const TopicTable& table, std::int32_t rowCount,
                             RowToTopic&& rowToTopic, std::string_view pattern, std::int32_t start,
                             const TitleSearchOptions& options) {
  const TitleMatcher matcher(pattern, options);
  std::string buffer;
  for (std::int32_t row = start < 0 ? 0 : start; row < rowCount; ++row) {
    const TopicNumber n = rowToTopic(row);
    if (table.isValid(n) && matcher.matchesTopic(table, n, buffer)) return row;
  }
  return -1;
}

// Scope 0: rows of the category view (row i shows topic view[i]). Returns the row or -1.
std::int32_t SearchTitlesInView(const TopicTable& table, std::span<const TopicNumber> view,
                                std::string_view pattern, std::int32_t start,
                                const TitleSearchOptions& options);

// Scope 1: all topics (row i is topic i). Returns the topic number or -1.
std::int32_t SearchAllTitles(const TopicTable& table, std::string_view pattern, std::int32_t start,
                             const TitleSearchOptions& options);

}  // namespace qorl
