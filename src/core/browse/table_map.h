// SPDX-License-Identifier: MIT
#pragma once
// The tables of a list: every "(Table Xnnnn)" in the list's text and the topic that holds it.
// Table references ("#01378", "#P0219") name a table by that id; the first character says
// which list defines it (a digit INTERRUP.LST, P PORTS.LST, M MEMORY.LST, C CMOS.LST,
// F FARCALL.LST, I I2C.LST, R MSR.LST, S SMM.LST). Older releases of the list number their tables
// with four digits ("(Table 0001)", "#0001"), so four or five digits are taken, with or without
// the letter. The map is built from the list's bytes in one pass and lives with the open list;
// the index file never holds it.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "core/list/topic_table.h"

namespace qorl {

// A table id is four or five digits, or one of the prefix letters above and four or five digits.
inline constexpr std::size_t kShortestTableId = 4;
inline constexpr std::size_t kLongestTableId = 6;

struct TableDefinition {
  std::string id;           // as in "(Table 01378)": 01378
  TopicNumber topic = -1;   // the topic whose text holds the definition
  std::int64_t offset = 0;  // byte position of its '(' in the list file
};

class TableMap {
 public:
  // Definitions in file order, repeated ids included.
  const std::vector<TableDefinition>& definitions() const { return definitions_; }
  // The topic of the first definition of id; -1 when the list defines no such table.
  TopicNumber topicOf(std::string_view id) const;
  void add(TableDefinition definition);
  // Orders the lookup after the last add().
  void finish();

 private:
  std::vector<TableDefinition> definitions_;
  std::vector<std::uint32_t> byId_;  // definition indexes sorted by id, then by file order
};

// True when id has the shape of a table id.
bool IsTableId(std::string_view id);
// The list kind that defines the table id (1 INTERRUP.LST ... 9 SMM.LST); 0 for no known prefix.
int DefiningListKind(std::string_view id);

// Reads the list from in (positioned at its start) and collects its table definitions, each with
// the topic of table whose byte range holds it; definitions outside every topic are left out.
// False when reading fails.
bool BuildTableMap(std::istream& in, const TopicTable& table, TableMap& out);
// The same for the list file at path.
bool BuildTableMapOfFile(const std::string& path, const TopicTable& table, TableMap& out);

}  // namespace qorl
