// SPDX-License-Identifier: MIT
#pragma once
// What a typed Go to Topic query may name, written the way the lists write their references, so
// that the reference resolver (RouteReference) can take it from there. People type references
// loosely: "int 21 ah=4c", "21/4C", "int21h 4ch", "10 4f02", "60h port", "mem 40:17", "msr 1b",
// "01378". Each of those is read into the list's own spelling: "INT 21/AH=4Ch",
// "INT 10/AX=4F02h", "PORT 0060", "MEM 0040h:0017h", "MSR 0000001Bh", "#01378".

#include <string>
#include <string_view>

namespace qorl {

// The reference text the query stands for, in the list's spelling; empty when the query has no
// reference's shape (its words are then only searched in titles and identifiers).
// query: the list's bytes (code page 437); letters a to z in any case.
std::string ReferenceReading(std::string_view query);

}  // namespace qorl
