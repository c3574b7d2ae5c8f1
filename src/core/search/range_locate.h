// SPDX-License-Identifier: MIT
#pragma once
// Ports and memory addresses that fall inside a topic's range: PORTS.LST names a block of ports
// by its first and last port ("PORT 0060-006F", identifier P0060006F), MEMORY.LST a block of
// addresses with x digits ("MEM C000h:xxxxh", identifier MC000xxxx). A reference to one port or
// address of the block ("PORT 0064h", key P0064) names no identifier; this finds the block.

#include <string_view>

#include "core/list/topic_table.h"

namespace qorl {

// The topic, from number 1 on, whose range holds everything the key names: a port key is "P" and
// a port, or a first and a last port; a memory key "M" and eight hex digits. A port range's last
// port may have x digits (up to F); a memory identifier may have x digits after its first four,
// each standing for any digit. Topics whose first port or segment is not a number are left out
// (they describe blocks found anywhere). The narrowest range wins, the first of equal ones.
// -1 when no range holds the key, or for a key of any other shape.
TopicNumber LocateInRange(const TopicTable& table, std::string_view key);

}  // namespace qorl
