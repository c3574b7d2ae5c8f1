// SPDX-License-Identifier: MIT
// Go to Topic over the real lists: what each way of writing a reference leads to, and how word
// queries rank, in one table of queries and the rows they must give first.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/list_menu.h"
#include "core/lookup/query_readings.h"
#include "core/lookup/topic_lookup.h"

namespace qorl {
namespace {

struct ExpectedRow {
  const char* list;
  const char* identifier;
};

struct LookupCase {
  const char* query;
  std::vector<ExpectedRow> first;  // the rows that must come first, in order; none: no row
};

const LookupLists& RealLists() {
  static const LookupLists lists = [] {
    LookupLists loaded;
    for (const std::string& name : ListFileNames(QORL_LISTS_DIR)) {
      if (auto list = LoadLookupList(ListFolderPath(QORL_LISTS_DIR, name)))
        loaded.push_back(std::move(list));
    }
    return loaded;
  }();
  return lists;
}

TEST(RealListsLookup, QueriesRankTheirTopicsFirst) {
  if (!std::filesystem::exists(std::string(QORL_LISTS_DIR) + "/INTERRUP.LST") ||
      !std::filesystem::exists(std::string(QORL_LISTS_DIR) + "/PORTS.LST")) {
    GTEST_SKIP() << "the real lists are not in " << QORL_LISTS_DIR;
  }
  const std::vector<LookupCase> cases = {
      // INTERRUP.LST references as the list writes them and as people type them.
      {"INT 21/AH=4Ch", {{"INTERRUP.LST", "214C"}}},
      {"int 21 ah=4c", {{"INTERRUP.LST", "214C"}}},
      {"21/4C", {{"INTERRUP.LST", "214C"}}},
      {"21 4c", {{"INTERRUP.LST", "214C"}, {"INTERRUP.LST", "214C57"}}},
      {"int21h 4ch", {{"INTERRUP.LST", "214C"}}},
      {"INT 10/AX=4F02h", {{"INTERRUP.LST", "104F02"}}},
      {"10 4f02", {{"INTERRUP.LST", "104F02"}}},
      {"INT 13/AH=02h", {{"INTERRUP.LST", "1302"}}},
      {"int 2f ax=1600", {{"INTERRUP.LST", "2F1600"}}},
      {"2f/1600", {{"INTERRUP.LST", "2F1600"}}},
      {"int15h e820h", {{"INTERRUP.LST", "15E820"}}},
      {"int 1a", {{"INTERRUP.LST", "1A00"}}},
      // Ports by identifier, else the narrowest range holding the port.
      {"port 60", {{"PORTS.LST", "P0060006F"}}},
      {"PORT 0060h", {{"PORTS.LST", "P0060006F"}}},
      {"60h port", {{"PORTS.LST", "P0060006F"}}},
      {"port 62", {{"PORTS.LST", "P0060006F"}}},
      {"port 3f8", {{"PORTS.LST", "P03F803FF"}, {"PORTS.LST", "P42204227"}}},
      // Memory, CMOS, MSR, I2C and far calls.
      {"mem 40:17", {{"MEMORY.LST", "M00400017"}}},
      {"MEM 0040h:0017h", {{"MEMORY.LST", "M00400017"}}},
      {"mem f000:fff0", {{"MEMORY.LST", "MF000FFF0"}}},
      {"cmos 0f", {{"CMOS.LST", "R0F"}}},
      {"msr 1b", {{"MSR.LST", "S0000001B"}, {"MSR.LST", "S8000001B"}}},
      {"MSR 0000001Bh", {{"MSR.LST", "S0000001B"}}},
      {"msr c0000080", {{"MSR.LST", "SC0000080"}}},
      {"i2c a0", {{"I2C.LST", "IA0"}}},
      {"@0060:0000", {{"FARCALL.LST", "@00600000"}}},
      // Tables: the topic that defines them.
      {"#01378", {{"INTERRUP.LST", "2126"}}},
      {"01378", {{"INTERRUP.LST", "2126"}}},
      {"#00010", {{"INTERRUP.LST", "1000"}}},
      {"#P0219", {{"PORTS.LST", "P00220024"}}},
      // Words: all must occur; whole words before prefixes before inner matches, shorter titles
      // first among equals.
      {"terminate", {{"INTERRUP.LST", "E6FF"}, {"INTERRUP.LST", "20"}, {"INTERRUP.LST", "2100"}}},
      {"get dos version", {{"INTERRUP.LST", "2130"}, {"INTERRUP.LST", "213306"}}},
      {"keyboard status flags", {{"MEMORY.LST", "M00400017"}, {"MEMORY.LST", "M00400018"}}},
      {"base apic", {{"MSR.LST", "S0000001B"}}},
      {"dpmi get version", {{"INTERRUP.LST", "310400"}}},
      {"8042", {{"PORTS.LST", "P0060006F"}}},
      {"zzqqxx", {}},
      {"mem 0:417", {}},
  };
  const LookupLists& lists = RealLists();
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.query);
    const std::vector<LookupRow> rows = LookupTopics(lists, c.query, 5);
    if (c.first.empty()) {
      EXPECT_TRUE(rows.empty());
    }
    ASSERT_GE(rows.size(), c.first.size());
    for (std::size_t i = 0; i < c.first.size(); ++i) {
      const LookupList& list = *lists[rows[i].list];
      EXPECT_EQ(list.name, c.first[i].list) << "row " << i;
      EXPECT_EQ(list.topics().identifier(rows[i].topic), c.first[i].identifier) << "row " << i;
    }
  }
}

TEST(RealListsLookup, RowsMarkTheMatchedParts) {
  if (!std::filesystem::exists(std::string(QORL_LISTS_DIR) + "/MEMORY.LST")) {
    GTEST_SKIP() << "the real lists are not in " << QORL_LISTS_DIR;
  }
  // Each word's best match is marked where it stands, in the title or in the identifier; a
  // reference's row marks its identifier.
  const struct {
    const char* query;
    std::vector<std::string> marked;
  } cases[] = {
      {"flags keyb", {"KEYB", "FLAGS"}},
      {"M0040001 keyboard", {"M0040001", "KEYBOARD"}},
      {"mem 40:17", {"M00400017"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.query);
    const std::vector<LookupRow> rows = LookupTopics(RealLists(), c.query, 1);
    ASSERT_EQ(rows.size(), 1u);
    const TopicTable& topics = RealLists()[rows[0].list]->topics();
    std::vector<std::string> marked;
    for (const LookupSpan& span : rows[0].spans) {
      const std::string_view field =
          span.inTitle ? topics.title(rows[0].topic) : topics.identifier(rows[0].topic);
      marked.emplace_back(field.substr(span.start, span.length));
    }
    EXPECT_EQ(marked, c.marked);
  }
}

}  // namespace
}  // namespace qorl
