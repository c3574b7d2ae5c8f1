// SPDX-License-Identifier: MIT
#pragma once
// Writes a formatted topic as RTF (for saving and for the clipboard) and as an HTML fragment (for
// the clipboard of applications that do not read RTF). The input is the view's text, already
// decoded by the caller, and the formatting ranges of FormatTopic.
//
// How ranges combine, in order, per character:
// - a range that is not a see-also item sets bold and underline to its own values;
//   a see-also item leaves the style unchanged;
// - setsColor true sets the range's colour, false keeps the colour it had;
// - link true makes the characters a link; a see-also item with link false clears the link.
// Parts of a range outside the text are ignored.
//
// Links are written as underlined text in their colour, not as hyperlink fields: their targets are
// topic references inside the list, which a word processor or browser could not follow.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/browse/topic_format.h"

namespace qorl {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct RichTextOptions {
  std::string fontName = "Courier New";  // UTF-8
  int fontSizePoints = 10;
  Rgb highlight{0, 0, 128};  // TextColor::Highlight: the desktop's highlight colour
  Rgb automatic{0, 0, 0};    // TextColor::Automatic: the window text colour
};

// The colour a TextColor stands for under the options.
Rgb ColorOf(TextColor color, const RichTextOptions& options);

// text: one UTF-16 unit per position, lines separated by '\n' (a line break is one position, so
// the spans must come from FormatTopic with lineBreakWidth 1).
// Returns an RTF 1.x document (7-bit ASCII): a font table with the font, a colour table with the
// colours used, one \par per line break, \tab for tabs, \b \ul \cfN for the formatting,
// \ \{ \} escaped and every other character outside printable ASCII as \uN? (N signed 16-bit).
std::string WriteRtf(std::u16string_view text, const std::vector<FormatSpan>& spans,
                     const RichTextOptions& options);

// The same as a self-contained UTF-8 HTML fragment: one <pre> in the font and automatic colour,
// with <span style="..."> runs for bold, underline and colour; & < > " are escaped.
std::string WriteHtml(std::u16string_view text, const std::vector<FormatSpan>& spans,
                      const RichTextOptions& options);

}  // namespace qorl
