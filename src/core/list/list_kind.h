// SPDX-License-Identifier: MIT
#pragma once
// List kinds: which of the known list files a path names, from its file name alone.

#include <string_view>

namespace qorl {

namespace ListKind {
inline constexpr int None = -1;  // no list open (empty file name)
inline constexpr int Other = 0;  // a file that is none of the known lists
inline constexpr int Interrup = 1;
inline constexpr int Ports = 2;
inline constexpr int Memory = 3;
inline constexpr int Cmos = 4;
inline constexpr int Farcall = 5;
inline constexpr int Msr = 6;
inline constexpr int I2c = 7;
inline constexpr int Opcodes = 8;
inline constexpr int Smm = 9;
inline constexpr int Tables = 10;
inline constexpr int Biblio = 11;
}  // namespace ListKind

// The part of a path after its last '\', '/' or ':'.
std::string_view FileNameOf(std::string_view path);

// The list kind of the file name in path: -1 for an empty name, 1 to 11 for INTERRUP.LST ...
// BIBLIO.LST (letters a to z compared as capitals), 0 for any other name.
int ListKindOf(std::string_view path);
// The file name of list kind 1 to 11 in capitals ("INTERRUP.LST"); empty for any other kind.
std::string_view ListFileName(int kind);

}  // namespace qorl
