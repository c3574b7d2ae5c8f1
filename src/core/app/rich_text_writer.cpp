// SPDX-License-Identifier: MIT
#include "core/app/rich_text_writer.h"

#include <algorithm>
#include <cstdio>

#include "core/list/utf8.h"

namespace qorl {
namespace {

struct CharStyle {
  bool bold = false;
  bool underline = false;
  bool link = false;
  TextColor color = TextColor::Automatic;
  bool operator==(const CharStyle&) const = default;
};

// Links are shown underlined, as a link in the topic view is.
bool Underlined(const CharStyle& style) {
  return style.underline || style.link;
}

std::vector<CharStyle> StylesOf(std::size_t length, const std::vector<FormatSpan>& spans) {
  std::vector<CharStyle> styles(length);
  for (const FormatSpan& span : spans) {
    if (span.length <= 0) continue;
    const std::int64_t begin = std::max<std::int64_t>(span.start, 0);
    const std::int64_t end =
        std::min<std::int64_t>(std::int64_t{span.start} + span.length, std::int64_t(length));
    for (std::int64_t i = begin; i < end; ++i) {
      CharStyle& style = styles[static_cast<std::size_t>(i)];
      if (!span.seeAlsoItem) {
        style.bold = span.bold;
        style.underline = span.underline;
      }
      if (span.setsColor) style.color = span.color;
      if (span.link) {
        style.link = true;
      } else if (span.seeAlsoItem) {
        style.link = false;
      }
    }
  }
  return styles;
}

// UTF-8 to UTF-16; malformed sequences become U+FFFD.
std::u16string Utf16Of(std::string_view utf8) {
  std::u16string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80           ? 0
                      : (lead >> 5) == 0x06 ? 1
                      : (lead >> 4) == 0x0E ? 2
                      : (lead >> 3) == 0x1E ? 3
                                            : -1;
    char32_t code = lead & (0x7F >> (extra <= 0 ? 0 : extra + 1));
    bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < utf8.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) ok = false;
      code = (code << 6) | (next & 0x3F);
    }
    if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (code >> 10));
      out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

// ---- RTF ----

void AppendRtfChar(std::string& out, char16_t unit) {
  switch (unit) {
    case u'\\':
      out += "\\\\";
      return;
    case u'{':
      out += "\\{";
      return;
    case u'}':
      out += "\\}";
      return;
    case u'\t':
      out += "\\tab ";
      return;
    case u'\n':
      out += "\\par\r\n";
      return;
    default:
      break;
  }
  if (unit >= 0x20 && unit < 0x7F) {
    out += static_cast<char>(unit);
  } else {
    // Signed 16-bit value, one fallback character ("\uc1").
    const int value = unit >= 0x8000 ? int{unit} - 0x10000 : int{unit};
    out += "\\u" + std::to_string(value) + "?";
  }
}

std::string RtfFontName(std::string_view utf8) {
  std::string out;
  for (char16_t unit : Utf16Of(utf8)) {
    if (unit == u';') {
      out += "\\'3b";  // a bare semicolon would end the font entry
    } else if (unit == u'\n' || unit == u'\t') {
      out += ' ';
    } else {
      AppendRtfChar(out, unit);
    }
  }
  return out;
}

// ---- HTML ----

std::string HexColor(Rgb rgb) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return buffer;
}

void AppendHtmlEscaped(std::string& out, char32_t code) {
  switch (code) {
    case U'&':
      out += "&amp;";
      return;
    case U'<':
      out += "&lt;";
      return;
    case U'>':
      out += "&gt;";
      return;
    case U'"':
      out += "&quot;";
      return;
    default:
      break;
  }
  if (code < 0x20 && code != U'\n' && code != U'\t') code = 0xFFFD;  // no controls in HTML
  AppendUtf8(out, code);
}

// Appends the text from position begin to end, joining surrogate pairs.
void AppendHtmlText(std::string& out, std::u16string_view text, std::size_t begin,
                    std::size_t end) {
  for (std::size_t i = begin; i < end; ++i) {
    const char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < end && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendHtmlEscaped(out, unit);
    }
  }
}

// The font name inside a single-quoted CSS string inside a double-quoted attribute; a character
// above U+FFFF is written as one UTF-8 sequence, not as its two surrogates.
std::string CssFontName(std::string_view utf8) {
  std::u16string units;
  for (char16_t unit : Utf16Of(utf8)) {
    if (unit == u'\\' || unit == u'\'') units += u'\\';
    units += unit < 0x20 ? u' ' : unit;
  }
  std::string out;
  AppendHtmlText(out, units, 0, units.size());
  return out;
}

int ClampedPoints(int points) {
  return std::clamp(points, 1, 1000);
}

}  // namespace

Rgb ColorOf(TextColor color, const RichTextOptions& options) {
  switch (color) {
    case TextColor::Highlight:
      return options.highlight;
    case TextColor::Green:
      return {0, 128, 0};
    case TextColor::Teal:
      return {0, 128, 128};
    case TextColor::Automatic:
      break;
  }
  return options.automatic;
}

std::string WriteRtf(std::u16string_view text, const std::vector<FormatSpan>& spans,
                     const RichTextOptions& options) {
  const std::vector<CharStyle> styles = StylesOf(text.size(), spans);

  // Colour table: entry 0 is the reader's automatic colour; then each colour used, in the order
  // of first use, starting with the automatic colour of the options.
  std::vector<Rgb> colors{options.automatic};
  auto colorIndex = [&colors](Rgb rgb) {
    const auto found = std::find(colors.begin(), colors.end(), rgb);
    if (found != colors.end()) return static_cast<int>(found - colors.begin()) + 1;
    colors.push_back(rgb);
    return static_cast<int>(colors.size());
  };

  std::string body;
  body.reserve(text.size() + text.size() / 8 + 64);
  CharStyle current;
  int currentColor = colorIndex(options.automatic);
  body += "\\cf" + std::to_string(currentColor) + " ";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const CharStyle& style = styles[i];
    if (text[i] != u'\n') {
      std::string words;
      if (style.bold != current.bold) words += style.bold ? "\\b" : "\\b0";
      if (Underlined(style) != Underlined(current))
        words += Underlined(style) ? "\\ul" : "\\ulnone";
      const int color = colorIndex(ColorOf(style.color, options));
      if (color != currentColor) words += "\\cf" + std::to_string(color);
      if (!words.empty()) body += words + " ";
      current = style;
      currentColor = color;
    }
    AppendRtfChar(body, text[i]);
  }

  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl{\\f0\\fmodern\\fcharset0 ";
  rtf += RtfFontName(options.fontName);
  rtf += ";}}\r\n{\\colortbl ;";
  for (const Rgb& rgb : colors) {
    rtf += "\\red" + std::to_string(rgb.red) + "\\green" + std::to_string(rgb.green) + "\\blue" +
           std::to_string(rgb.blue) + ";";
  }
  rtf += "}\r\n\\viewkind4\\pard\\plain\\f0\\fs" +
         std::to_string(2 * ClampedPoints(options.fontSizePoints)) + " ";
  rtf += body;
  rtf += "\r\n}\r\n";
  return rtf;
}

std::string WriteHtml(std::u16string_view text, const std::vector<FormatSpan>& spans,
                      const RichTextOptions& options) {
  const std::vector<CharStyle> styles = StylesOf(text.size(), spans);
  std::string html = "<meta charset=\"utf-8\"><pre style=\"font-family:'";
  html += CssFontName(options.fontName);
  html += "';font-size:" + std::to_string(ClampedPoints(options.fontSizePoints)) +
          "pt;color:" + HexColor(options.automatic) + ";margin:0\">";

  std::size_t runStart = 0;
  while (runStart < text.size()) {
    std::size_t runEnd = runStart + 1;
    while (runEnd < text.size() && styles[runEnd] == styles[runStart]) ++runEnd;
    const CharStyle& style = styles[runStart];
    const Rgb color = ColorOf(style.color, options);
    std::string css;
    if (style.bold) css += "font-weight:bold;";
    if (Underlined(style)) css += "text-decoration:underline;";
    if (!(color == options.automatic)) css += "color:" + HexColor(color) + ";";
    if (css.empty()) {
      AppendHtmlText(html, text, runStart, runEnd);
    } else {
      html += "<span style=\"" + css + "\">";
      AppendHtmlText(html, text, runStart, runEnd);
      html += "</span>";
    }
    runStart = runEnd;
  }
  html += "</pre>";
  return html;
}

}  // namespace qorl
