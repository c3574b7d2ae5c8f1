// SPDX-License-Identifier: MIT
#include "core/browse/topic_format.h"

#include <algorithm>
#include <cstddef>

#include "core/browse/text_references.h"
#include "core/search/text_rules.h"

namespace qorl {
namespace {

constexpr std::string_view kSeeAlsoLabel = "SEEALSO";

bool StartsWithUpper(std::string_view item, char first, char second) {
  return item.size() >= 2 && FoldedByte(static_cast<unsigned char>(item[0])) == first &&
         FoldedByte(static_cast<unsigned char>(item[1])) == second;
}

// Whether a see-also item of a list of the given kind gets a menu entry and a link.
bool IsOfferedItem(std::string_view item, int listKind) {
  if (item.empty() || item[0] == '#') return false;
  switch (listKind) {
    case 1: {  // INTERRUP.LST: "INT ..." or a relative reference such as "AH=4Bh"
      if (StartsWithUpper(item, 'I', 'N')) return true;
      const unsigned char first = FoldedByte(static_cast<unsigned char>(item[0]));
      return first == 'A' || first == 'B' || first == 'C' || first == 'D' || first == 'S';
    }
    case 2:
      return StartsWithUpper(item, 'P', 'O');
    case 3:
      return StartsWithUpper(item, 'M', 'E');
    case 4:
      return StartsWithUpper(item, 'C', 'M');
    case 5:
      return item[0] == '@';
    case 6:
      return StartsWithUpper(item, 'M', 'S');
    case 7:
      return StartsWithUpper(item, 'I', '2');
    case 8:
    case 9:
    case 10:
    case 11:
      return true;
    default:
      return false;
  }
}

bool HasBlankOrTab(std::string_view text) {
  return text.find_first_of(" \t") != std::string_view::npos;
}

// A link's look says where it leads: green to a topic of the open list, teal and underlined to a
// table or to another list (only when every reference is followed).
FormatSpan LinkSpan(std::int64_t start, std::size_t length, bool outOfList, bool topicFormatting) {
  FormatSpan span;
  span.start = static_cast<std::int32_t>(std::min<std::int64_t>(start, INT32_MAX));
  span.length = static_cast<std::int32_t>(std::min<std::size_t>(length, INT32_MAX));
  span.color = outOfList ? TextColor::Teal : TextColor::Green;
  span.setsColor = topicFormatting;
  span.underline = outOfList && topicFormatting;
  span.link = true;
  return span;
}

// Walks the items of one see-also line. rest is the text after the label's colon; q is the
// position at which the first item is taken to start. The positions assume bare commas and a
// single blank after the colon, so extra blanks shift the ranges (the captions stay right).
// Links that only FollowAllReferences makes stand where their items are: restAt is the position
// of rest.
void FormatSeeAlsoItems(std::string_view rest, std::int64_t q, std::int64_t restAt, int listKind,
                        const FormatSettings& settings, std::vector<FormatSpan>& spans,
                        std::vector<std::string>& entries, std::vector<std::int64_t>& positions) {
  const bool topicFormatting = settings.topicFormatting;
  const std::size_t firstNonBlank = rest.find_first_not_of(' ');
  if (firstNonBlank == std::string_view::npos) return;  // nothing after the colon
  rest.remove_prefix(firstNonBlank);
  std::int64_t at = restAt + static_cast<std::int64_t>(firstNonBlank);
  // The list is treated as ending with a comma; a missing final comma is implied.
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::size_t itemLength = comma == std::string_view::npos ? rest.size() : comma;
    const std::string_view item = rest.substr(0, itemLength);
    if (item.empty()) return;  // two commas in a row end the line's processing
    const bool offered = IsOfferedItem(item, listKind);
    const bool follow = settings.followAllReferences;
    const bool followed = !offered && follow && IsFollowedReference(item, listKind);
    if (offered || followed) {
      entries.emplace_back(item);
      positions.push_back(at);
    }
    FormatSpan span;
    if (offered || followed) {
      const bool outOfList = follow && LeadsOutOfList(item, listKind);
      span = LinkSpan(offered ? q : at, itemLength, outOfList, topicFormatting);
    } else {
      span.start = static_cast<std::int32_t>(std::min<std::int64_t>(q, INT32_MAX));
      span.length = static_cast<std::int32_t>(itemLength);
      span.color = TextColor::Teal;
      span.setsColor = topicFormatting;
    }
    span.seeAlsoItem = true;
    spans.push_back(span);
    const std::size_t k = itemLength + 1;  // the item and its comma
    rest.remove_prefix(std::min(k, rest.size()));
    q += static_cast<std::int64_t>(k);
    at += static_cast<std::int64_t>(k);
  }
}

// The running-text references of one line that starts at lineStart.
void MarkTextReferences(std::string_view line, std::int64_t lineStart, int listKind,
                        bool topicFormatting, std::vector<FormatSpan>& spans) {
  for (const TextRange& r : FindTextReferences(line, listKind)) {
    const bool outOfList = LeadsOutOfList(line.substr(r.start, r.length), listKind);
    spans.push_back(LinkSpan(lineStart + static_cast<std::int64_t>(r.start), r.length, outOfList,
                             topicFormatting));
  }
}

// Topics without a title get no marks but, when every reference is followed, the links of their
// running text (TABLES.LST, a cross-reference index, is all such topics).
FormattedTopic UntitledTopic(std::string_view displayText, int listKind,
                             const FormatSettings& settings, std::int64_t w) {
  FormattedTopic result;
  if (!settings.followAllReferences) return result;
  std::int64_t lineStart = 0;
  std::size_t from = 0;
  for (;;) {
    const std::size_t end = displayText.find('\n', from);
    const std::string_view line = displayText.substr(
        from, end == std::string_view::npos ? std::string_view::npos : end - from);
    MarkTextReferences(line, lineStart, listKind, settings.topicFormatting, result.spans);
    if (end == std::string_view::npos) break;
    lineStart += static_cast<std::int64_t>(line.size()) + w;
    from = end + 1;
  }
  return result;
}

// Cuts every range to the text's positions [0, total) and drops ranges left empty.
void ClampSpans(std::vector<FormatSpan>& spans, std::int64_t total) {
  std::erase_if(spans, [total](FormatSpan& span) {
    const std::int64_t start = std::clamp<std::int64_t>(span.start, 0, total);
    const std::int64_t end =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(span.start) + span.length, start, total);
    span.start = static_cast<std::int32_t>(start);
    span.length = static_cast<std::int32_t>(end - start);
    return span.length == 0;
  });
}

}  // namespace

FormattedTopic FormatTopic(std::string_view displayText, std::string_view title, int listKind,
                           bool parseTopics, const FormatSettings& settings, int lineBreakWidth) {
  FormattedTopic result;
  // Topics without a title (list info, '!' topics, the whole-file topic) are shown as they are.
  if (title.empty())
    return UntitledTopic(displayText, listKind, settings, std::max(1, lineBreakWidth));

  const bool formatting = settings.topicFormatting && parseTopics;
  const bool labels = formatting && listKind != 8 && listKind != 10 && listKind != 11;
  const std::int64_t w = std::max(1, lineBreakWidth);

  std::size_t lineEnd = displayText.find('\n');
  const std::string_view firstLine = displayText.substr(0, lineEnd);
  if (formatting) {
    FormatSpan span;
    span.length = static_cast<std::int32_t>(firstLine.size());
    span.bold = true;
    span.color = TextColor::Highlight;
    span.setsColor = true;
    result.spans.push_back(span);
  }

  std::int64_t lineBreaks = 0;
  const bool follow = settings.followAllReferences;
  if (lineEnd != std::string_view::npos && (labels || settings.enabledSeeAlsoMenu || follow)) {
    std::int64_t p = static_cast<std::int64_t>(firstLine.size()) + w;
    while (lineEnd != std::string_view::npos) {
      ++lineBreaks;
      const std::size_t lineStart = lineEnd + 1;
      lineEnd = displayText.find('\n', lineStart);
      const std::string_view line =
          displayText.substr(lineStart, lineEnd == std::string_view::npos ? std::string_view::npos
                                                                          : lineEnd - lineStart);
      const std::int64_t lineStartPos = p;
      p += static_cast<std::int64_t>(line.size()) + w;

      const std::size_t colon = line.find(':');
      const bool hasLabel =
          colon != std::string_view::npos && !HasBlankOrTab(line.substr(0, colon));
      const bool seeAlsoLine = hasLabel && EqualsFolded(line.substr(0, colon), kSeeAlsoLabel);
      if (follow && !seeAlsoLine)
        MarkTextReferences(line, lineStartPos, listKind, settings.topicFormatting, result.spans);
      if (!hasLabel) continue;
      if (labels && line[0] != '!') {
        FormatSpan span;
        span.start = static_cast<std::int32_t>(std::min<std::int64_t>(lineStartPos, INT32_MAX));
        span.length = static_cast<std::int32_t>(colon);
        span.underline = true;
        span.color = TextColor::Highlight;
        span.setsColor = true;
        result.spans.push_back(span);
      }
      if (settings.enabledSeeAlsoMenu && seeAlsoLine) {
        FormatSeeAlsoItems(line.substr(colon + 1), lineStartPos + 9,
                           lineStartPos + static_cast<std::int64_t>(colon) + 1, listKind, settings,
                           result.spans, result.seeAlsoEntries, result.seeAlsoEntryPositions);
      }
    }
  } else {
    lineBreaks = std::count(displayText.begin(), displayText.end(), '\n');
  }

  const std::int64_t total = static_cast<std::int64_t>(displayText.size()) + lineBreaks * (w - 1);
  ClampSpans(result.spans, total);
  result.seeAlsoButtonEnabled = !result.seeAlsoEntries.empty() && listKind >= 1 && listKind <= 7;
  return result;
}

std::string DisplayTextOf(std::string_view topicBytes) {
  std::string text;
  text.reserve(topicBytes.size());
  for (std::size_t i = 0; i < topicBytes.size(); ++i) {
    const char c = topicBytes[i];
    if (c == '\0') break;
    if (c == '\r') {
      text.push_back('\n');
      if (i + 1 < topicBytes.size() && topicBytes[i + 1] == '\n') ++i;
    } else {
      text.push_back(c);
    }
  }
  return text;
}

}  // namespace qorl
