// SPDX-License-Identifier: MIT
#include "core/app/rich_text_writer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <utility>

namespace qorl {
namespace {

// A small RTF reader for what the writer emits: it checks the group structure and gives back
// the body's characters with the bold, underline and colour in force for each.
struct RtfChar {
  char16_t ch;
  bool bold;
  bool underline;
  Rgb color;
};

struct RtfDocument {
  bool wellFormed = true;
  std::vector<std::string> headerWords;  // control words seen before the body text
  std::string fontTable;                 // the font table's text
  std::vector<Rgb> colors;               // colour table, entry 0 = automatic
  std::vector<RtfChar> body;
  std::u16string text() const {
    std::u16string out;
    for (const auto& c : body) out += c.ch;
    return out;
  }
};

RtfDocument ReadRtf(const std::string& rtf) {
  RtfDocument doc;
  struct State {
    bool bold = false, underline = false;
    std::size_t color = 0;
    std::string destination;
  };
  std::vector<State> stack;
  Rgb pending;
  bool skipFallback = false;  // the one fallback character after \uN (\uc1)
  auto emit = [&](char16_t ch) {
    if (stack.empty()) return void(doc.wellFormed = false);
    const State& s = stack.back();
    if (s.destination == "fonttbl") {
      doc.fontTable += ch < 0x80 ? static_cast<char>(ch) : '#';
    } else if (s.destination == "colortbl") {
      if (ch == u';') doc.colors.push_back(std::exchange(pending, {}));
    } else {
      const Rgb color = s.color < doc.colors.size() ? doc.colors[s.color] : Rgb{1, 2, 3};
      doc.body.push_back({ch, s.bold, s.underline, color});
    }
  };
  std::size_t i = 0;
  while (i < rtf.size()) {
    const char c = rtf[i++];
    if (c == '{') {
      stack.push_back(stack.empty() ? State{} : stack.back());
    } else if (c == '}') {
      if (stack.empty())
        doc.wellFormed = false;
      else
        stack.pop_back();
      if (stack.empty() && rtf.find_first_not_of("\r\n", i) != std::string::npos) {
        doc.wellFormed = false;  // text after the document's closing brace
      }
    } else if (c == '\r' || c == '\n') {
    } else if (c != '\\') {
      if (!std::exchange(skipFallback, false)) emit(static_cast<unsigned char>(c));
    } else if (i < rtf.size() && rtf[i] == '\'') {
      emit(static_cast<char16_t>(std::stoi(rtf.substr(i + 1, 2), nullptr, 16)));
      i += 3;
    } else if (i < rtf.size() && !std::isalpha(static_cast<unsigned char>(rtf[i]))) {
      emit(static_cast<unsigned char>(rtf[i++]));
    } else {
      const std::size_t wordEnd = rtf.find_first_not_of("abcdefghijklmnopqrstuvwxyz", i);
      const std::string word = rtf.substr(i, wordEnd - i);
      const std::size_t numberEnd = rtf.find_first_not_of("-0123456789", wordEnd);
      const std::string number = rtf.substr(wordEnd, numberEnd - wordEnd);
      i = numberEnd + (numberEnd < rtf.size() && rtf[numberEnd] == ' ' ? 1 : 0);
      const int n = number.empty() ? 1 : std::stoi(number);
      if (stack.empty()) return doc.wellFormed = false, doc;
      State& s = stack.back();
      if (doc.body.empty()) doc.headerWords.push_back(word + number);
      if (word == "fonttbl" || word == "colortbl") s.destination = word;
      if (word == "b") s.bold = n != 0;
      if (word == "ul" || word == "ulnone") s.underline = word == "ul";
      if (word == "cf") s.color = static_cast<std::size_t>(n);
      if (word == "red") pending.red = static_cast<std::uint8_t>(n);
      if (word == "green") pending.green = static_cast<std::uint8_t>(n);
      if (word == "blue") pending.blue = static_cast<std::uint8_t>(n);
      if (word == "par") emit(u'\n');
      if (word == "tab") emit(u'\t');
      if (word == "u") emit(static_cast<char16_t>(n < 0 ? n + 0x10000 : n)), skipFallback = true;
    }
  }
  if (!stack.empty()) doc.wellFormed = false;
  return doc;
}

FormatSpan Span(int start, int length) {
  FormatSpan span;
  span.start = start;
  span.length = length;
  return span;
}

// A span that sets the colour of its text.
FormatSpan Coloured(int start, int length, TextColor color) {
  FormatSpan span = Span(start, length);
  span.color = color;
  span.setsColor = true;
  return span;
}

// What FormatTopic makes of a small INTERRUP.LST topic.
const std::u16string kTopic = u"INT 21 - DOS\nReturn: CF clear\nSeeAlso: INT 20,#0123\n";
std::vector<FormatSpan> TopicSpans() {
  FormatSpan title = Coloured(0, 12, TextColor::Highlight);
  title.bold = true;
  FormatSpan label = Coloured(13, 6, TextColor::Highlight);
  label.underline = true;
  FormatSpan seeAlsoLabel = Coloured(30, 7, TextColor::Highlight);
  seeAlsoLabel.underline = true;
  FormatSpan offered = Coloured(39, 6, TextColor::Green);
  offered.link = true;
  offered.seeAlsoItem = true;
  FormatSpan other = Coloured(46, 5, TextColor::Teal);
  other.seeAlsoItem = true;
  return {title, label, seeAlsoLabel, offered, other};
}

const RichTextOptions kOptions{"Courier New", 10, {10, 36, 106}, {0, 0, 0}};

TEST(RtfWriter, CarriesTheTopicFormatting) {
  const std::string rtf = WriteRtf(kTopic, TopicSpans(), kOptions);
  ASSERT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u) << rtf;
  const RtfDocument doc = ReadRtf(rtf);
  ASSERT_TRUE(doc.wellFormed) << rtf;
  EXPECT_NE(std::find(doc.headerWords.begin(), doc.headerWords.end(), "deff0"),
            doc.headerWords.end());
  EXPECT_NE(std::find(doc.headerWords.begin(), doc.headerWords.end(), "fs20"),
            doc.headerWords.end());
  EXPECT_NE(doc.fontTable.find("Courier New;"), std::string::npos);
  ASSERT_EQ(doc.text(), kTopic);

  const Rgb highlight{10, 36, 106}, black{0, 0, 0}, green{0, 128, 0}, teal{0, 128, 128};
  auto expect = [&](std::size_t pos, bool bold, bool underline, Rgb color) {
    SCOPED_TRACE(pos);
    EXPECT_EQ(doc.body[pos].bold, bold);
    EXPECT_EQ(doc.body[pos].underline, underline);
    EXPECT_EQ(doc.body[pos].color, color);
  };
  expect(0, true, false, highlight);  // title
  expect(11, true, false, highlight);
  expect(13, false, true, highlight);  // "Return"
  expect(19, false, false, black);     // its colon
  expect(39, false, true, green);      // "INT 20", a link
  expect(45, false, false, black);     // comma
  expect(46, false, false, teal);      // "#0123", not a link
  // Only the colours in use are in the table.
  EXPECT_EQ(doc.colors.size(), 5u);
}

TEST(RtfWriter, EscapesSpecialAndNonAsciiCharacters) {
  const std::u16string text = u"a\\b{c}d\te\u00e9\u2591\uFFFD\x01";
  const std::string rtf = WriteRtf(text, {}, kOptions);
  for (unsigned char c : rtf) EXPECT_LT(c, 0x80);  // the document is 7-bit
  EXPECT_NE(rtf.find("a\\\\b\\{c\\}d\\tab e\\u233?\\u9617?\\u-3?\\u1?"), std::string::npos) << rtf;
  const RtfDocument doc = ReadRtf(rtf);
  ASSERT_TRUE(doc.wellFormed);
  EXPECT_EQ(doc.text(), text);

  // Blanks and digits right after a formatting change stay text.
  FormatSpan bold = Span(0, 2);
  bold.bold = true;
  const RtfDocument digits = ReadRtf(WriteRtf(u" 1\n 2 ", {bold, Span(3, 2)}, kOptions));
  ASSERT_TRUE(digits.wellFormed);
  EXPECT_EQ(digits.text(), u" 1\n 2 ");
  EXPECT_TRUE(digits.body[1].bold);
  EXPECT_FALSE(digits.body[3].bold);
}

TEST(RtfWriter, LaterRangesOverrideAndColourIsKeptWhenNotSet) {
  FormatSpan bold = Coloured(0, 4, TextColor::Highlight);
  bold.bold = true;
  // Formatting off: underline without touching the colour.
  FormatSpan underline = Span(2, 4);
  underline.underline = true;
  // A link, then the same see-also item cleared again.
  FormatSpan link = Span(6, 2);
  link.link = true;
  link.seeAlsoItem = true;
  FormatSpan cleared = link;
  cleared.link = false;
  const RtfDocument doc =
      ReadRtf(WriteRtf(u"abcdefgh", {bold, underline, link, cleared}, kOptions));
  ASSERT_TRUE(doc.wellFormed);
  EXPECT_TRUE(doc.body[1].bold);
  EXPECT_FALSE(doc.body[2].bold);  // the later range sets the style
  EXPECT_TRUE(doc.body[2].underline);
  EXPECT_EQ(doc.body[2].color, (Rgb{10, 36, 106}));  // colour kept
  EXPECT_EQ(doc.body[4].color, (Rgb{0, 0, 0}));
  EXPECT_FALSE(doc.body[6].underline);  // link cleared
}

TEST(RtfWriter, RangesOutsideTheTextAreIgnored) {
  FormatSpan before = Span(-5, 7);
  before.bold = true;
  FormatSpan after = Span(2, INT32_MAX);
  after.underline = true;
  FormatSpan beyond = Span(100, 4);
  beyond.bold = true;
  FormatSpan negative = Span(1, -3);
  negative.bold = true;
  const RtfDocument doc = ReadRtf(WriteRtf(u"abcd", {before, after, beyond, negative}, kOptions));
  ASSERT_TRUE(doc.wellFormed);
  ASSERT_EQ(doc.text(), u"abcd");
  EXPECT_TRUE(doc.body[1].bold);
  EXPECT_TRUE(doc.body[3].underline);
  EXPECT_TRUE(ReadRtf(WriteRtf(u"", {before}, kOptions)).wellFormed);
}

TEST(RtfWriter, FontNameCannotBreakTheFontTable) {
  RichTextOptions options = kOptions;
  options.fontName = "Odd;{Font}\\ \xc3\xa9";
  options.fontSizePoints = 12;
  const std::string rtf = WriteRtf(u"x", {}, options);
  const RtfDocument doc = ReadRtf(rtf);
  ASSERT_TRUE(doc.wellFormed) << rtf;
  EXPECT_NE(doc.fontTable.find("Odd;{Font}\\ #;"), std::string::npos) << doc.fontTable;
  EXPECT_NE(rtf.find("\\fs24 "), std::string::npos);
  EXPECT_EQ(doc.text(), u"x");
}

TEST(HtmlWriter, WritesStyledRunsInsideOnePre) {
  const std::string html = WriteHtml(kTopic, TopicSpans(), kOptions);
  EXPECT_EQ(html.rfind("<meta charset=\"utf-8\"><pre style=\"font-family:'Courier New';"
                       "font-size:10pt;color:#000000;",
                       0),
            0u)
      << html;
  EXPECT_NE(html.find("<span style=\"font-weight:bold;color:#0a246a;\">INT 21 - DOS</span>\n"),
            std::string::npos);
  EXPECT_NE(html.find("<span style=\"text-decoration:underline;color:#0a246a;\">Return</span>: CF"),
            std::string::npos);
  EXPECT_NE(html.find("<span style=\"text-decoration:underline;color:#008000;\">INT 20</span>,"),
            std::string::npos);
  EXPECT_NE(html.find("<span style=\"color:#008080;\">#0123</span>"), std::string::npos);
  EXPECT_EQ(html.substr(html.size() - 6), "</pre>");
}

TEST(HtmlWriter, EscapesMarkupAndEncodesUtf8) {
  RichTextOptions options = kOptions;
  options.fontName = "A'b\"<c>\xF0\x9F\x98\x80";
  const std::u16string text = u"<a href=\"x\">&amp;</a> \u00e9\u2591 \U0001F600 \xD800!\x07";
  const std::string html = WriteHtml(text, {}, options);
  EXPECT_NE(html.find("font-family:'A\\'b&quot;&lt;c&gt;\xf0\x9f\x98\x80'"), std::string::npos)
      << html;
  EXPECT_NE(html.find("&lt;a href=&quot;x&quot;&gt;&amp;amp;&lt;/a&gt; "
                      "\xc3\xa9\xe2\x96\x91 \xf0\x9f\x98\x80 \xef\xbf\xbd!\xef\xbf\xbd</pre>"),
            std::string::npos)
      << html;
}

}  // namespace
}  // namespace qorl
