// SPDX-License-Identifier: MIT
#pragma once
// The small list that the scanner and index tests share: a header line and two 'D' topics, all
// lines ending with CR LF. Its topic table and index file bytes are given exactly.

#include <string>

#include "core/list/topic_table.h"

namespace qorl::test {

// The topic table of the list: the list-info topic and topics 0100 and 0101.
inline TopicTable WorkedExampleTable() {
  TopicTable table;
  table.append("[List Info]", '!', 0, 13, "");
  table.append("0100", 'D', 63, 30, "First topic title");
  table.append("0101", 'D', 143, 20, "Second topic title");
  return table;
}

// Its index file, byte for byte.
inline const std::string kWorkedIndex =
    "[List Info]\x14!\x15"
    "0\x16"
    "13\x17\x18\x1F\r\n"
    "0100\x14"
    "D\x15"
    "63\x16"
    "30\x17\x18\x1F"
    "First topic title\r\n"
    "0101\x14"
    "D\x15"
    "143\x16"
    "20\x17\x18\x1F"
    "Second topic title\r\n";

}  // namespace qorl::test
