// SPDX-License-Identifier: MIT
#include "core/browse/topic_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qorl {
namespace {

const FormatSettings kAllOn{true, true};

// A range as "start+length" and its marks: b bold, u underline, H/G/T the colour it sets
// (highlight, green, teal), L link, i see-also item.
std::vector<std::string> Marks(const FormattedTopic& topic) {
  std::vector<std::string> marks;
  for (const FormatSpan& s : topic.spans) {
    std::string m = std::to_string(s.start) + "+" + std::to_string(s.length) + " ";
    if (s.bold) m += 'b';
    if (s.underline) m += 'u';
    if (s.setsColor) m += "?HGT"[static_cast<int>(s.color)];
    if (s.link) m += 'L';
    if (s.seeAlsoItem) m += 'i';
    marks.push_back(m);
  }
  return marks;
}

using Strings = std::vector<std::string>;

TEST(FormatTopic, MarksTitleLabelsAndSeeAlsoItems) {
  const std::string text =
      "INT 21 - TERMINATE\n"           // 0..18: title line
      "AH = 4Ch: terminate\n"          // 19: a blank before the colon: no label
      "Return: CF clear\n"             // 39: label "Return"
      "Note: see: here\n"              // 56: only the first colon counts
      "!Hidden:x\n"                    // 72: '!' lines get no label
      "\tTab:x\n"                      // 82: a tab before the colon: no label
      "SeeAlso: AH=4Bh,#0123,INT 20";  // 89
  const FormattedTopic topic = FormatTopic(text, "TERMINATE", 1, true, kAllOn);
  EXPECT_EQ(Marks(topic), (Strings{"0+18 bH", "39+6 uH", "56+4 uH", "89+7 uH", "98+6 GLi",
                                   "105+5 Ti", "111+6 GLi"}));
  EXPECT_EQ(text.substr(98, 6), "AH=4Bh");
  EXPECT_EQ(text.substr(111, 6), "INT 20");
  EXPECT_EQ(topic.seeAlsoEntries, (Strings{"AH=4Bh", "INT 20"}));
  EXPECT_TRUE(topic.seeAlsoButtonEnabled);
}

TEST(FormatTopic, OffersItemsByListKind) {
  struct Case {
    int kind;
    const char* item;
    bool offered;
  };
  const Case cases[] = {
      {1, "INT 21", true},       {1, "in 21", true},     {1, "ax=4B00h", true},
      {1, "BX=1h", true},        {1, "CX=1h", true},     {1, "DL=80h", true},
      {1, "SI=1h", true},        {1, "PORT 60h", false}, {1, "#0123", false},
      {2, "port 0060h", true},   {2, "INT 21", false},   {3, "MEM 0040h", true},
      {3, "INT 21", false},      {4, "CMOS 10h", true},  {4, "INT 1A", false},
      {5, "@0060h:0000h", true}, {5, "INT 21", false},   {6, "msr 10h", true},
      {6, "MEM 1h", false},      {7, "I2C 00h", true},   {7, "INT 15", false},
      {8, "any", true},          {9, "any", true},       {10, "any", true},
      {11, "any", true},         {11, "#B0001", false},  {0, "INT 21", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " in kind " + std::to_string(c.kind));
    const FormattedTopic topic =
        FormatTopic(std::string("T\nSeeAlso: ") + c.item, "T", c.kind, true, kAllOn);
    ASSERT_TRUE(topic.spans.back().seeAlsoItem);
    EXPECT_EQ(topic.spans.back().link, c.offered);
    EXPECT_EQ(topic.seeAlsoEntries.size(), c.offered ? 1u : 0u);
    // The button opens the menu only where references can be followed: TABLES.LST offers every
    // item, yet its button stays disabled.
    EXPECT_EQ(topic.seeAlsoButtonEnabled, c.offered && c.kind >= 1 && c.kind <= 7);
  }
}

TEST(FormatTopic, NoLabelsInOpcodesTablesAndBibliography) {
  const std::string text = "T\nFormat: x\nSeeAlso: Table 01";
  for (int kind : {8, 10, 11})
    EXPECT_EQ(Marks(FormatTopic(text, "T", kind, true, kAllOn)), (Strings{"0+1 bH", "21+8 GLi"}));
  for (int kind : {0, 9}) EXPECT_EQ(Marks(FormatTopic(text, "T", kind, true, kAllOn)).size(), 4u);
}

TEST(FormatTopic, SeeAlsoLinesAndTheirItems) {
  // The label is compared upper-cased; an empty list yields nothing; an empty item ends its line.
  const std::string text =
      "T\nseealso: INT 10\nSEEALSO:\nSeeAlso:    \nSee Also: INT 12\n"
      "SeeAlso: INT 21,,INT 22\nSeeAlso: INT 23,";
  const FormattedTopic topic = FormatTopic(text, "T", 1, true, {false, true});
  EXPECT_EQ(topic.seeAlsoEntries, (Strings{"INT 10", "INT 21", "INT 23"}));
  EXPECT_EQ(topic.spans.size(), 3u);
}

TEST(FormatTopic, ExtraBlanksShiftRangesButNotCaptions) {
  // Positions assume one blank after the colon: with three, both ranges sit two places early.
  FormattedTopic topic = FormatTopic("T\nSeeAlso:   INT 21,INT 2F", "T", 1, true, {false, true});
  EXPECT_EQ(Marks(topic), (Strings{"11+6 Li", "18+6 Li"}));
  EXPECT_EQ(topic.seeAlsoEntries, (Strings{"INT 21", "INT 2F"}));
  // A blank after a comma starts the next item, which INTERRUP.LST then does not offer.
  topic = FormatTopic("T\nSeeAlso: INT 21, INT 2F", "T", 1, true, {false, true});
  EXPECT_EQ(Marks(topic), (Strings{"11+6 Li", "18+7 i"}));
  // No blank after the colon: the range would run one past the end of the text and is cut.
  topic = FormatTopic("T\nSeeAlso:INT 21", "T", 1, true, {false, true});
  EXPECT_EQ(Marks(topic), (Strings{"11+5 Li"}));
  // A range wholly beyond the end is dropped; its menu entry stays.
  topic = FormatTopic("T\nSeeAlso:X", "T", 8, true, {false, true});
  EXPECT_TRUE(topic.spans.empty());
  EXPECT_EQ(topic.seeAlsoEntries, Strings{"X"});
}

TEST(FormatTopic, SettingsSwitchMarksOff) {
  const std::string text = "Title\nReturn: x\nSeeAlso: INT 21,#1";
  // Formatting off, menu on: default look, yet offered items are links and fill the menu.
  FormattedTopic topic = FormatTopic(text, "Title", 1, true, {false, true});
  EXPECT_EQ(Marks(topic), (Strings{"25+6 Li", "32+2 i"}));
  EXPECT_TRUE(topic.seeAlsoButtonEnabled);
  topic = FormatTopic(text, "Title", 1, true, {true, false});
  EXPECT_EQ(Marks(topic), (Strings{"0+5 bH", "6+6 uH", "16+7 uH"}));
  EXPECT_FALSE(topic.seeAlsoButtonEnabled);
  topic = FormatTopic(text, "Title", 1, true, {false, false});
  EXPECT_TRUE(topic.spans.empty() && topic.seeAlsoEntries.empty());
  EXPECT_FALSE(topic.seeAlsoButtonEnabled);
  // Title and labels need the parse-topics flag.
  EXPECT_EQ(Marks(FormatTopic(text, "Title", 1, false, kAllOn)), (Strings{"25+6 GLi", "32+2 Ti"}));
  // An empty title (list info, '!' topics) leaves the topic as it is.
  topic = FormatTopic(text, "", 1, true, kAllOn);
  EXPECT_TRUE(topic.spans.empty() && topic.seeAlsoEntries.empty());
  EXPECT_FALSE(topic.seeAlsoButtonEnabled);
}

TEST(FormatTopic, LineBreaksOfWidthTwo) {
  EXPECT_EQ(Marks(FormatTopic("Title\nReturn: x\nSeeAlso: INT 21", "Title", 1, true, kAllOn, 2)),
            (Strings{"0+5 bH", "7+6 uH", "18+7 uH", "27+6 GLi"}));
}

TEST(DisplayTextOf, TurnsLineEndsIntoOneBreakAndStopsAtZero) {
  EXPECT_EQ(DisplayTextOf("a\r\nb\rc\nd\r\n"), "a\nb\nc\nd\n");
  EXPECT_EQ(DisplayTextOf("\r\r\n\n"), "\n\n\n");
  EXPECT_EQ(DisplayTextOf(std::string_view("ab\0cd", 5)), "ab");
  EXPECT_EQ(DisplayTextOf("\t\x82\xFF"), "\t\x82\xFF");
}

}  // namespace
}  // namespace qorl
