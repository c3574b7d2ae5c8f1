#include "core/browse/topic_format.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qorl {
namespace {

const FormatSettings kAllOn{true, true};

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  bool first = true;
  for (std::string_view line : lines) {
    if (!first) text += '\n';
    text += line;
    first = false;
  }
  return text;
}

// Position of the start of line `line` with line breaks of width w.
std::int32_t LineStart(std::string_view text, int line, int w = 1) {
  std::int32_t pos = 0;
  std::size_t at = 0;
  for (int i = 0; i < line; ++i) {
    const std::size_t end = text.find('\n', at);
    pos += static_cast<std::int32_t>(end - at) + w;
    at = end + 1;
  }
  return pos;
}

std::vector<FormatSpan> SpansWhere(const FormattedTopic& topic, bool seeAlsoItem) {
  std::vector<FormatSpan> found;
  for (const FormatSpan& span : topic.spans)
    if (span.seeAlsoItem == seeAlsoItem) found.push_back(span);
  return found;
}

TEST(FormatTopic, MarksTitleLabelsAndSeeAlsoItems) {
  const std::string text = Lines({
      "INT 21 - DOS 2+ - TERMINATE",   // 0: title line
      "AH = 4Ch: terminate",           // 1: a blank before the colon: no label
      "Return: CF clear",              // 2: label "Return"
      "Note: see also: here",          // 3: only the first colon counts
      "!Hidden:x",                     // 4: '!' lines get no label
      "SeeAlso: AH=4Bh,#0123,INT 20",  // 5
      "\tTab:label has a tab",         // 6: a tab before the colon: no label
  });
  const FormattedTopic topic = FormatTopic(text, "DOS 2+ - TERMINATE", 1, true, kAllOn);

  ASSERT_GE(topic.spans.size(), 1u);
  const FormatSpan& title = topic.spans[0];
  EXPECT_EQ(title.start, 0);
  EXPECT_EQ(title.length, 27);
  EXPECT_TRUE(title.bold);
  EXPECT_FALSE(title.underline);
  EXPECT_EQ(title.color, TextColor::Highlight);
  EXPECT_TRUE(title.setsColor);

  std::vector<FormatSpan> labels;
  for (const FormatSpan& span : topic.spans)
    if (span.underline) labels.push_back(span);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].start, LineStart(text, 2));
  EXPECT_EQ(labels[0].length, 6);  // "Return"
  EXPECT_EQ(labels[1].start, LineStart(text, 3));
  EXPECT_EQ(labels[1].length, 4);  // "Note"
  EXPECT_EQ(labels[2].start, LineStart(text, 5));
  EXPECT_EQ(labels[2].length, 7);  // "SeeAlso"
  for (const FormatSpan& label : labels) {
    EXPECT_EQ(label.color, TextColor::Highlight);
    EXPECT_FALSE(label.bold);
    EXPECT_FALSE(label.link);
  }

  const std::vector<FormatSpan> items = SpansWhere(topic, true);
  ASSERT_EQ(items.size(), 3u);
  const std::string_view expected[] = {"AH=4Bh", "#0123", "INT 20"};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(text.substr(static_cast<std::size_t>(items[i].start),
                          static_cast<std::size_t>(items[i].length)),
              expected[i]);
  }
  EXPECT_EQ(items[0].color, TextColor::Green);
  EXPECT_TRUE(items[0].link);
  EXPECT_EQ(items[1].color, TextColor::Teal);
  EXPECT_FALSE(items[1].link);
  EXPECT_TRUE(items[1].setsColor);
  EXPECT_EQ(items[2].color, TextColor::Green);
  EXPECT_TRUE(items[2].link);

  EXPECT_EQ(topic.seeAlsoEntries, (std::vector<std::string>{"AH=4Bh", "INT 20"}));
  EXPECT_TRUE(topic.seeAlsoButtonEnabled);
}

TEST(FormatTopic, OffersItemsByListKind) {
  struct Case {
    int kind;
    std::string_view item;
    bool offered;
  };
  const Case cases[] = {
      {1, "INT 21", true},           {1, "int 21", true},
      {1, "AX=4B00h", true},         {1, "bh=01h", true},
      {1, "CX=0000h", true},         {1, "DL=80h", true},
      {1, "SI=1234h", true},         {1, "PORT 0060h", false},
      {1, "MEM 0040h:0017h", false}, {1, "I", false},
      {1, "#0123", false},           {2, "PORT 0060h", true},
      {2, "port 0060h", true},       {2, "INT 21", false},
      {3, "MEM 0040h:0017h", true},  {3, "Me", true},
      {3, "PORT 0060h", false},      {4, "CMOS 10h", true},
      {4, "INT 1A", false},          {5, "@0060h:0000h", true},
      {5, "INT 21", false},          {6, "MSR 00000010h", true},
      {6, "msr 10h", true},          {6, "MEM 0040h", false},
      {7, "I2C 00h/04h", true},      {7, "INT 15", false},
      {8, "anything", true},         {9, "anything", true},
      {10, "anything", true},        {11, "anything", true},
      {11, "#B0001", false},         {0, "INT 21", false},
      {-1, "INT 21", false},
  };
  for (const Case& c : cases) {
    const std::string text = "Title\nSeeAlso: " + std::string(c.item);
    const FormattedTopic topic = FormatTopic(text, "Title", c.kind, true, kAllOn);
    SCOPED_TRACE(std::string(c.item) + " in kind " + std::to_string(c.kind));
    const std::vector<FormatSpan> items = SpansWhere(topic, true);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].link, c.offered);
    EXPECT_EQ(items[0].color, c.offered ? TextColor::Green : TextColor::Teal);
    EXPECT_EQ(topic.seeAlsoEntries.size(), c.offered ? 1u : 0u);
    // The button opens the menu only for the lists whose references can be resolved.
    EXPECT_EQ(topic.seeAlsoButtonEnabled, c.offered && c.kind >= 1 && c.kind <= 7);
  }
}

TEST(FormatTopic, LabelsOnlyOutsideOpcodesTablesAndBibliography) {
  const std::string text = "Title\nFormat: x\nSeeAlso: Table 01,#0002";
  for (int kind : {0, 1, 2, 7, 8, 9, 10, 11}) {
    SCOPED_TRACE(kind);
    const FormattedTopic topic = FormatTopic(text, "Title", kind, true, kAllOn);
    bool anyLabel = false;
    for (const FormatSpan& span : topic.spans) anyLabel = anyLabel || span.underline;
    const bool labelled = kind != 8 && kind != 10 && kind != 11;
    EXPECT_EQ(anyLabel, labelled);
    ASSERT_FALSE(topic.spans.empty());
    EXPECT_TRUE(topic.spans[0].bold);  // the title line is bold in every kind
    // Every kind still walks its see-also items.
    EXPECT_EQ(SpansWhere(topic, true).size(), 2u);
  }
  // TABLES.LST offers every item but the button stays disabled.
  const FormattedTopic tables = FormatTopic(text, "Title", 10, true, kAllOn);
  EXPECT_EQ(tables.seeAlsoEntries, std::vector<std::string>{"Table 01"});
  EXPECT_FALSE(tables.seeAlsoButtonEnabled);
}

TEST(FormatTopic, SeeAlsoLabelIsComparedUpperCasedAndEmptyListsYieldNothing) {
  const std::string text =
      "T\nseealso: INT 10\nSEEALSO: INT 11\nSeeAlso:\nSeeAlso:    \nSee Also: INT 12\nAlso: INT 13";
  const FormattedTopic topic = FormatTopic(text, "T", 1, true, kAllOn);
  EXPECT_EQ(topic.seeAlsoEntries, (std::vector<std::string>{"INT 10", "INT 11"}));
  EXPECT_EQ(SpansWhere(topic, true).size(), 2u);
}

TEST(FormatTopic, ExtraBlanksShiftRangesButNotCaptions) {
  const std::string text = "Title\nSeeAlso:   INT 21,INT 2F\nNext: line";
  const FormattedTopic topic = FormatTopic(text, "Title", 1, true, kAllOn);
  const std::int32_t p = LineStart(text, 1);
  const std::vector<FormatSpan> items = SpansWhere(topic, true);
  ASSERT_EQ(items.size(), 2u);
  // Positions assume one blank after the colon: both ranges sit two positions early.
  EXPECT_EQ(items[0].start, p + 9);
  EXPECT_EQ(items[0].length, 6);
  EXPECT_EQ(items[1].start, p + 16);
  EXPECT_EQ(static_cast<std::size_t>(items[0].start) + 2, text.find("INT 21"));
  EXPECT_EQ(topic.seeAlsoEntries, (std::vector<std::string>{"INT 21", "INT 2F"}));
  // A blank after a comma belongs to the next item, which then is not offered in INTERRUP.LST.
  const FormattedTopic spaced = FormatTopic("T\nSeeAlso: INT 21, INT 2F", "T", 1, true, kAllOn);
  EXPECT_EQ(spaced.seeAlsoEntries, std::vector<std::string>{"INT 21"});
  EXPECT_EQ(SpansWhere(spaced, true).size(), 2u);
}

TEST(FormatTopic, ShiftedRangeIsCutAtTheEndOfTheText) {
  // No blank after the colon: the item's range starts one position late and would run one past
  // the end of the text.
  const std::string text = "T\nSeeAlso:INT 21";
  const FormattedTopic topic = FormatTopic(text, "T", 1, true, kAllOn);
  const std::vector<FormatSpan> items = SpansWhere(topic, true);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].start, 11);
  EXPECT_EQ(items[0].start + items[0].length, static_cast<std::int32_t>(text.size()));
  EXPECT_EQ(topic.seeAlsoEntries, std::vector<std::string>{"INT 21"});

  // A range lying wholly beyond the end is dropped; the menu entry stays.
  const FormattedTopic past = FormatTopic("T\nSeeAlso:X", "T", 8, true, kAllOn);
  EXPECT_TRUE(SpansWhere(past, true).empty());
  EXPECT_EQ(past.seeAlsoEntries, std::vector<std::string>{"X"});
}

TEST(FormatTopic, EmptyItemEndsOnlyItsLine) {
  const std::string text = "T\nSeeAlso: INT 21,,INT 22\nSeeAlso: INT 23,";
  const FormattedTopic topic = FormatTopic(text, "T", 1, true, kAllOn);
  EXPECT_EQ(topic.seeAlsoEntries, (std::vector<std::string>{"INT 21", "INT 23"}));
  EXPECT_EQ(SpansWhere(topic, true).size(), 2u);
}

TEST(FormatTopic, SettingsSwitchMarksOff) {
  const std::string text = "Title\nReturn: x\nSeeAlso: INT 21,#0001";

  // Formatting off, menu on: no title or labels, items keep their colour but are still links.
  const FormattedTopic plain = FormatTopic(text, "Title", 1, true, {false, true});
  for (const FormatSpan& span : plain.spans) {
    EXPECT_TRUE(span.seeAlsoItem);
    EXPECT_FALSE(span.setsColor);
  }
  const std::vector<FormatSpan> items = SpansWhere(plain, true);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_TRUE(items[0].link);
  EXPECT_FALSE(items[1].link);
  EXPECT_EQ(plain.seeAlsoEntries, std::vector<std::string>{"INT 21"});
  EXPECT_TRUE(plain.seeAlsoButtonEnabled);

  // Formatting on, menu off: title and labels, no items.
  const FormattedTopic noMenu = FormatTopic(text, "Title", 1, true, {true, false});
  EXPECT_TRUE(SpansWhere(noMenu, true).empty());
  EXPECT_EQ(noMenu.spans.size(), 3u);  // title, "Return" and "SeeAlso"
  EXPECT_TRUE(noMenu.seeAlsoEntries.empty());
  EXPECT_FALSE(noMenu.seeAlsoButtonEnabled);

  // Both off.
  const FormattedTopic none = FormatTopic(text, "Title", 1, true, {false, false});
  EXPECT_TRUE(none.spans.empty());
  EXPECT_TRUE(none.seeAlsoEntries.empty());
  EXPECT_FALSE(none.seeAlsoButtonEnabled);

  // Formatting needs the parse-topics flag: no title or labels without it.
  const FormattedTopic unparsed = FormatTopic(text, "Title", 1, false, kAllOn);
  for (const FormatSpan& span : unparsed.spans) EXPECT_TRUE(span.seeAlsoItem);
}

TEST(FormatTopic, EmptyTitleLeavesTheTopicAsItIs) {
  const FormattedTopic topic =
      FormatTopic("[List Info]\nNote: x\nSeeAlso: INT 21", "", 1, true, kAllOn);
  EXPECT_TRUE(topic.spans.empty());
  EXPECT_TRUE(topic.seeAlsoEntries.empty());
  EXPECT_FALSE(topic.seeAlsoButtonEnabled);
}

TEST(FormatTopic, LineBreaksOfWidthTwoMovePositions) {
  const std::string text = "Title\nReturn: x\nSeeAlso: INT 21";
  const FormattedTopic topic = FormatTopic(text, "Title", 1, true, kAllOn, 2);
  ASSERT_EQ(topic.spans.size(), 4u);
  EXPECT_EQ(topic.spans[1].start, LineStart(text, 1, 2));  // Return
  EXPECT_EQ(topic.spans[2].start, LineStart(text, 2, 2));  // SeeAlso
  EXPECT_EQ(topic.spans[3].start, LineStart(text, 2, 2) + 9);
  EXPECT_EQ(topic.spans[3].length, 6);
}

TEST(DisplayTextOf, TurnsLineEndsIntoOneBreakAndStopsAtZero) {
  EXPECT_EQ(DisplayTextOf("a\r\nb\rc\nd\r\n"), "a\nb\nc\nd\n");
  EXPECT_EQ(DisplayTextOf("\r\r\n\n"), "\n\n\n");
  EXPECT_EQ(DisplayTextOf(std::string_view("ab\0cd", 5)), "ab");
  EXPECT_EQ(DisplayTextOf("\t\x82\xFF"), "\t\x82\xFF");
  EXPECT_EQ(DisplayTextOf(""), "");
}

}  // namespace
}  // namespace qorl
