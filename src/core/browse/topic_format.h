// SPDX-License-Identifier: MIT
#pragma once
// Marks up a topic's text for display: the bold title line, underlined field labels and the
// see-also items (links and See-also menu entries). The result is a list of styled ranges that
// the topic view (or the rich-text writer) applies in order; later ranges override earlier ones.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qorl {

// Colours a range can take. Highlight is the desktop's highlight colour, Automatic the view's
// default text colour; Green is (0, 128, 0) and Teal (0, 128, 128).
enum class TextColor { Automatic, Highlight, Green, Teal };

struct FormatSpan {
  std::int32_t start = 0;  // character position; a line break counts lineBreakWidth positions
  std::int32_t length = 0;
  bool bold = false;
  bool underline = false;
  TextColor color = TextColor::Automatic;
  bool setsColor = false;    // false: the range keeps its colour (formatting switched off)
  bool link = false;         // true: link effect on; false on a see-also item: link effect cleared
  bool seeAlsoItem = false;  // the range is a see-also item (offered or not)
};

struct FormattedTopic {
  std::vector<FormatSpan> spans;
  std::vector<std::string> seeAlsoEntries;  // captions of the See-also menu, in order (bytes)
  // Where each entry's item stands in the text (its first byte; lineBreakWidth 1 gives the
  // byte position in displayText), whatever blanks the see-also line holds.
  std::vector<std::int64_t> seeAlsoEntryPositions;
  bool seeAlsoButtonEnabled = false;
};

struct FormatSettings {
  bool topicFormatting = true;       // TopicFormatting
  bool enabledSeeAlsoMenu = true;    // EnabledSeeAlsoMenu
  bool followAllReferences = false;  // FollowAllReferences
};

// displayText: the topic as shown, one byte per character, lines separated by '\n' (see
// DisplayTextOf). title: the topic's title from the topic table; an empty title switches
// formatting off for the topic. listKind: 1 INTERRUP.LST ... 11 BIBLIO.LST, 0 any other file;
// it decides which see-also items are offered and whether labels are marked (not in kinds 8, 10
// and 11). parseTopics: the open list's parse-topics flag (formatting needs it).
//
// See-also positions are computed from the line lengths, taking the first item to start 9
// positions after its line's start and each next item one comma further, so extra blanks in a
// see-also line shift its ranges while the menu captions stay exact. Every range is cut to the
// text, so a shifted range never runs past its end, and ranges left empty are not returned.
// The See-also button is enabled when the menu has entries and listKind is 1 to 7.
//
// With followAllReferences, see-also items the list does not offer but that lead somewhere
// (IsFollowedReference: table references, references of another list kind) and the references
// of the running text (FindTextReferences; not in see-also lines, whose items are the links)
// become links too; such see-also items also get menu entries. A link's look then says where it
// leads: one into a table or another list (LeadsOutOfList) is teal and underlined when
// formatting, offered items included ("CMOS 0Fh" in INTERRUP.LST); one to a topic of the open
// list is green. A topic without a title gets only the links of its running text (TABLES.LST's
// index of tables is all such topics).
FormattedTopic FormatTopic(std::string_view displayText, std::string_view title, int listKind,
                           bool parseTopics, const FormatSettings& settings,
                           int lineBreakWidth = 1);

// The topic's bytes as the view shows them: the text ends at the first zero byte, CR LF, a lone CR
// and a lone LF each become one '\n'; every other byte stays, so position i is byte i.
std::string DisplayTextOf(std::string_view topicBytes);

}  // namespace qorl
