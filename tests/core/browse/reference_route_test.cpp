// SPDX-License-Identifier: MIT
// Following every reference: the table map of a list, where a reference is routed, which
// references of running text become links, and how FormatTopic marks them with the setting on.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "core/browse/reference_route.h"
#include "core/browse/table_map.h"
#include "core/browse/text_references.h"
#include "core/browse/topic_format.h"

namespace qorl {
namespace {

std::vector<std::string> Texts(std::string_view line, int kind) {
  std::vector<std::string> out;
  for (const TextRange& r : FindTextReferences(line, kind))
    out.emplace_back(line.substr(r.start, r.length));
  return out;
}

// The identifiers of the table definitions BuildTableMap finds in bytes, in order.
std::vector<std::string> DefinitionIds(const std::string& bytes, const TopicTable& table,
                                       TableMap& map) {
  std::istringstream in(bytes);
  EXPECT_TRUE(BuildTableMap(in, table, map));
  std::vector<std::string> ids;
  for (const TableDefinition& d : map.definitions()) ids.push_back(d.id);
  return ids;
}

TEST(TableMap, DefinitionsAcrossReadChunksRepeatsAndTextOutsideTopics) {
  // Topic 0 from 0 to 100, topic 1 from 100 to the end; the list is longer than the 1 MiB the
  // pass reads at a time, with one definition cut by that border.
  std::string bytes = "(Table 00001) before any topic";
  bytes.resize(100, ' ');
  bytes += "x (Table 01378) (Table P0219)(Table 137) (Table 01378)";
  const std::size_t border = std::size_t{1} << 20;
  bytes.resize(border - 6, ' ');
  bytes += "(Table R0007)";
  bytes += std::string(50, ' ');
  TopicTable table;
  table.append("", 0, 30, 70, "");
  table.append("2126", 'D', 100, static_cast<std::int32_t>(bytes.size() - 100), "T");
  TableMap map;
  ASSERT_EQ(DefinitionIds(bytes, table, map),
            (std::vector<std::string>{"01378", "P0219", "01378", "R0007"}));
  EXPECT_EQ(map.definitions()[3].offset, static_cast<std::int64_t>(border - 6));
  EXPECT_EQ(map.topicOf("01378"), 1);
  EXPECT_EQ(map.topicOf("R0007"), 1);
  EXPECT_EQ(map.topicOf("00001"), -1);  // before the first topic's text
  EXPECT_EQ(DefiningListKind("P0219"), 2);
  EXPECT_EQ(DefiningListKind("90010"), 1);
  EXPECT_EQ(DefiningListKind("S0001"), 9);
  EXPECT_FALSE(IsTableId("X0001"));
}

// Older releases number their tables with four digits: "(Table 0001)", "#0001".
TEST(TableMap, FourAndFiveDigitIdsWithAndWithoutTheirLetter) {
  for (const char* id : {"0001", "01378", "P0219", "P00219"}) EXPECT_TRUE(IsTableId(id)) << id;
  for (const char* id : {"001", "000001", "X0001", "P001", "P000001", "p0219", "0001a"})
    EXPECT_FALSE(IsTableId(id)) << id;
  // The last definition ends the file, shorter than the longest one.
  const std::string bytes = "(Table 0001) (Table P0002) (Table 012345) (Table M00003) (Table 0004)";
  TopicTable table;
  table.append("0100", 'D', 0, static_cast<std::int32_t>(bytes.size()), "T");
  TableMap map;
  EXPECT_EQ(DefinitionIds(bytes, table, map),
            (std::vector<std::string>{"0001", "P0002", "M00003", "0004"}));

  const ReferenceRoute r = RouteReference("#0001", 1, "0100");
  EXPECT_EQ(r.kind, RouteKind::Table);
  EXPECT_EQ(r.listKind, 1);
  EXPECT_EQ(r.tableId, "0001");
  EXPECT_EQ(Texts("(see #0001,#P00002) and #00012 or #000123, DDJ #198", 1),
            (std::vector<std::string>{"#0001", "#P00002", "#00012"}));
}

TEST(ReferenceRoute, TablesOtherListsAndTheOpenListsOwnGrammar) {
  ReferenceRoute r = RouteReference("#P0219", 1, "2126");
  EXPECT_EQ(r.kind, RouteKind::Table);
  EXPECT_EQ(r.listKind, 2);
  EXPECT_EQ(r.tableId, "P0219");
  // Three digits or a following letter make no table reference.
  EXPECT_EQ(RouteReference("#041", 2, "P0060").kind, RouteKind::InvalidShape);
  EXPECT_EQ(RouteReference("#0410a", 2, "P0060").kind, RouteKind::InvalidShape);

  r = RouteReference("PORT 0060h", 1, "2126");
  EXPECT_EQ(r.kind, RouteKind::Key);
  EXPECT_EQ(r.listKind, 2);
  EXPECT_EQ(r.key, "P0060");
  r = RouteReference("INT 15/AX=C000h", 2, "P0060");
  EXPECT_EQ(r.listKind, 1);
  EXPECT_EQ(r.key, "15C000");
  r = RouteReference("MEM 0040h:0017h\"BIOS\"", 1, "2126");
  EXPECT_EQ(r.listKind, 3);
  EXPECT_EQ(r.key, "M00400017");
  EXPECT_EQ(r.title, "BIOS");
  // A CMOS item is offered in INTERRUP.LST but has the shape of CMOS.LST.
  EXPECT_EQ(RouteReference("CMOS 15h", 1, "2126").listKind, 4);
  // Relative references belong to INTERRUP.LST, and only there.
  r = RouteReference("AH=4Ch", 1, "2126");
  EXPECT_EQ(r.listKind, 1);
  EXPECT_EQ(r.key, "214C  ");
  EXPECT_EQ(RouteReference("AH=4Ch", 2, "P0060").kind, RouteKind::InvalidShape);
  // Lists without a grammar of their own follow the shapes of the others and say nothing else.
  EXPECT_EQ(RouteReference("INT 21/AH=4Ch", 10, "X").listKind, 1);
  EXPECT_EQ(RouteReference("chapter 3", 10, "X").kind, RouteKind::NotHandled);
}

TEST(TextReferences, SeeListsAndTableReferences) {
  EXPECT_EQ(Texts("\tDX = segment (see #01378 at AH=26h) or (Table 01379), DDJ #198", 1),
            (std::vector<std::string>{"#01378"}));
  EXPECT_EQ(Texts("(see also AX=4B00h/BX=0000h,#00040,INT 2F\"Screen Thief\").", 1),
            (std::vector<std::string>{"AX=4B00h/BX=0000h", "#00040", "INT 2F\"Screen Thief\""}));
  EXPECT_EQ(Texts("See PORT 0060h-006Fh. Oversee INT 21; see below, see MEM 0040h:0017h:", 1),
            (std::vector<std::string>{"PORT 0060h-006Fh", "MEM 0040h:0017h"}));
  // Relative references are INTERRUP.LST's only.
  EXPECT_EQ(Texts("(see AH=4Ch)", 2), (std::vector<std::string>{}));
  EXPECT_TRUE(IsFollowedReference("#C0001", 4));
  EXPECT_FALSE(IsFollowedReference("OPCODE AAD", 1));
}

// A link's look says where it leads: green into the open list, teal and underlined into a table
// or another list, offered items ("CMOS 0Fh" in INTERRUP.LST) and running text alike.
TEST(FormatTopicFollowingAll, NewLinksInTheMenuAndOneLookPerDestination) {
  const std::string text =
      "INT 21 - TITLE\n"
      "\tDX = PSP (see #01378,INT 21/AH=4Ch)\n"
      "SeeAlso: AH=4Bh,#01378,PORT 0060h,OPCODE AAD,CMOS 0Fh";
  FormatSettings settings;
  FormattedTopic off = FormatTopic(text, "TITLE", 1, true, settings);
  settings.followAllReferences = true;
  FormattedTopic on = FormatTopic(text, "TITLE", 1, true, settings);
  EXPECT_EQ(off.seeAlsoEntries, (std::vector<std::string>{"AH=4Bh", "CMOS 0Fh"}));
  EXPECT_EQ(on.seeAlsoEntries,
            (std::vector<std::string>{"AH=4Bh", "#01378", "PORT 0060h", "CMOS 0Fh"}));
  using Look = std::tuple<std::string, TextColor, bool>;
  const auto links = [&text](const FormattedTopic& topic) {
    std::vector<Look> out;
    for (const FormatSpan& s : topic.spans) {
      if (s.link)
        out.emplace_back(
            text.substr(static_cast<std::size_t>(s.start), static_cast<std::size_t>(s.length)),
            s.color, s.underline);
    }
    return out;
  };
  constexpr TextColor kGreen = TextColor::Green;
  constexpr TextColor kTeal = TextColor::Teal;
  EXPECT_EQ(links(off),
            (std::vector<Look>{{"AH=4Bh", kGreen, false}, {"CMOS 0Fh", kGreen, false}}));
  EXPECT_EQ(links(on), (std::vector<Look>{{"#01378", kTeal, true},
                                          {"INT 21/AH=4Ch", kGreen, false},
                                          {"AH=4Bh", kGreen, false},
                                          {"#01378", kTeal, true},
                                          {"PORT 0060h", kTeal, true},
                                          {"CMOS 0Fh", kTeal, true}}));

  // Untitled topics stay unmarked but for the links of their text.
  const FormattedTopic untitled =
      FormatTopic("Buses\n\tEISA (see INT 15/AX=D800h)", "", 10, true, settings);
  ASSERT_EQ(untitled.spans.size(), 1u);
  EXPECT_EQ(untitled.spans[0].start, 17);
  EXPECT_TRUE(untitled.seeAlsoEntries.empty());
  EXPECT_TRUE(FormatTopic("(see #01378)", "", 10, true, FormatSettings{}).spans.empty());
}

}  // namespace
}  // namespace qorl
