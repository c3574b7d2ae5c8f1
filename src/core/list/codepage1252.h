// SPDX-License-Identifier: MIT
#pragma once
// The Windows code page 1252 (Western European), in which the program's version resource and
// registry exports of the older "REGEDIT4" form are written.

#include <string>
#include <string_view>

namespace qorl {

// The character of byte b. The bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) are the control characters of the same number, as Windows converts them.
char32_t Cp1252ToUnicode(unsigned char b);

// The bytes as UTF-8 text, one character per byte.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace qorl
