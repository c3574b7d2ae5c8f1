// SPDX-License-Identifier: MIT
#include "core/browse/linked_references.h"

#include <algorithm>

#include "core/browse/topic_format.h"

namespace qorl {

std::vector<TextRange> LinkedReferences(std::string_view displayText, std::string_view title,
                                        int listKind, bool parseTopics, bool followAll) {
  FormatSettings settings;
  settings.topicFormatting = false;
  settings.enabledSeeAlsoMenu = true;
  settings.followAllReferences = followAll;
  const FormattedTopic formatted = FormatTopic(displayText, title, listKind, parseTopics, settings);
  std::vector<TextRange> ranges;
  for (std::size_t i = 0; i < formatted.seeAlsoEntries.size(); ++i) {
    const auto at = static_cast<std::size_t>(formatted.seeAlsoEntryPositions[i]);
    if (at >= displayText.size()) continue;
    ranges.push_back({at, std::min(formatted.seeAlsoEntries[i].size(), displayText.size() - at)});
  }
  // Running-text links stand where their references are; see-also items are taken above.
  for (const FormatSpan& span : formatted.spans) {
    if (span.link && !span.seeAlsoItem)
      ranges.push_back(
          {static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.length)});
  }
  std::sort(ranges.begin(), ranges.end(),
            [](const TextRange& a, const TextRange& b) { return a.start < b.start; });
  return ranges;
}

std::string_view LineAround(std::string_view displayText, std::size_t at) {
  at = std::min(at, displayText.size());
  const std::size_t previous = displayText.rfind('\n', at == 0 ? 0 : at - 1);
  std::size_t begin = previous == std::string_view::npos ? 0 : previous + 1;
  if (at < begin) begin = at;  // at is a line break's own position
  const std::size_t end = displayText.find('\n', at);
  return displayText.substr(begin,
                            (end == std::string_view::npos ? displayText.size() : end) - begin);
}

}  // namespace qorl
