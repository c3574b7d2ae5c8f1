// SPDX-License-Identifier: MIT
#include "core/browse/codepage437.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace qorl {
namespace {

// Glyphs of 0x00-0x1F as the code page draws them; 0x00, tab, line feed and carriage return are
// replaced by the control characters themselves where they are decoded.
constexpr std::array<char16_t, 32> kLowGlyphs = {
    0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,  // 00-07
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,  // 08-0F
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,  // 10-17
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,  // 18-1F
};

constexpr std::array<char16_t, 128> kHighGlyphs = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80-87
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88-8F
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90-97
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,  // 98-9F
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0-A7
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8-AF
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0-B7
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8-BF
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0-C7
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8-CF
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0-D7
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8-DF
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0-E7
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8-EF
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0-F7
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8-FF
};

using ReverseEntry = std::pair<char16_t, unsigned char>;

// Characters above U+007F (and the glyphs of the control codes) with their bytes, sorted by
// character for binary search.
std::array<ReverseEntry, 128 + 32 + 1 + 2> BuildReverseTable() {
  std::array<ReverseEntry, 128 + 32 + 1 + 2> table{};
  std::size_t n = 0;
  for (std::size_t b = 0; b < kHighGlyphs.size(); ++b)
    table[n++] = {kHighGlyphs[b], static_cast<unsigned char>(0x80 + b)};
  for (std::size_t b = 0; b < kLowGlyphs.size(); ++b) {
    // 0x00, tab, line feed and carriage return decode to themselves, not to their glyphs.
    const bool decodesToItself = b == 0x00 || b == 0x09 || b == 0x0A || b == 0x0D;
    table[n++] = {decodesToItself ? char16_t{0} : kLowGlyphs[b], static_cast<unsigned char>(b)};
  }
  table[n++] = {0x2302, 0x7F};
  table[n++] = {0x03B2, 0xE1};  // beta for sharp s
  table[n++] = {0x03BC, 0xE6};  // Greek mu for micro sign
  std::sort(table.begin(), table.end());
  return table;
}

// The byte of character c, or -1.
int ByteOf(char32_t c) {
  if (c < 0x80) return static_cast<int>(c);  // ASCII, the control codes and U+007F included
  if (c > 0xFFFF) return -1;
  static const auto table = BuildReverseTable();
  const auto it = std::lower_bound(table.begin(), table.end(), ReverseEntry{char16_t(c), 0});
  if (it == table.end() || it->first != c) return -1;
  return it->second;
}

}  // namespace

char16_t Cp437ToUnicode(unsigned char b) {
  if (b >= 0x80) return kHighGlyphs[b - 0x80];
  if (b == 0x7F) return 0x2302;
  if (b == 0x00 || b == 0x09 || b == 0x0A || b == 0x0D || b >= 0x20) return b;
  return kLowGlyphs[b];
}

bool EncodeCp437(std::u16string_view text, std::string& out) {
  out.clear();
  out.reserve(text.size());
  for (const char16_t c : text) {
    const int b = ByteOf(c);  // surrogates have no byte: characters beyond U+FFFF never match
    if (b < 0) return false;
    out.push_back(static_cast<char>(b));
  }
  return true;
}

bool EncodeCp437FromUtf8(std::string_view utf8, std::string& out) {
  out.clear();
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t extra = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      c = lead & 0x07;
    } else {
      return false;
    }
    if (extra > 0 && i + extra >= utf8.size()) return false;  // sequence cut short
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra]) return false;  // overlong form
    const int b = ByteOf(c);
    if (b < 0) return false;
    out.push_back(static_cast<char>(b));
    i += extra + 1;
  }
  return true;
}

}  // namespace qorl
