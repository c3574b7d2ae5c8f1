// SPDX-License-Identifier: MIT
#include "core/browse/reference_key.h"

#include <array>
#include <cstddef>

#include "core/search/text_rules.h"

namespace qorl {
namespace {

constexpr auto npos = std::string_view::npos;

// Characters from..to of r, counted from 1; cut at the end of r.
std::string_view Chars(std::string_view r, std::size_t from, std::size_t to) {
  if (from == 0 || from > r.size() || to < from) return {};
  return r.substr(from - 1, to - from + 1);
}

// Characters 1.. of r, upper-cased, equal prefix.
bool HasPrefix(std::string_view r, std::string_view prefix) {
  return StartsWithFolded(r, prefix);
}

// n characters after the first occurrence of marker in r (cut at the end); npos-safe.
std::string_view After(std::string_view r, std::size_t markerPos, std::size_t markerLength,
                       std::size_t n) {
  const std::size_t from = markerPos + markerLength;
  return from >= r.size() ? std::string_view{} : r.substr(from, n);
}

std::string InterruptKey(std::string_view r, std::string_view currentIdentifier) {
  std::string key;
  // Interrupt part: from "INT xx", or, for a relative reference, from the topic on view.
  if (HasPrefix(r, "INT")) {
    key += Chars(r, 5, 6);
  } else {
    key += currentIdentifier.substr(0, 2);
  }

  // Function part.
  if (const std::size_t ax = r.find("AX="); ax != npos) {
    key += After(r, ax, 3, 4);
  } else if (const std::size_t ah = r.find("AH="); ah != npos) {
    key += After(r, ah, 3, 2);
    key += "  ";
  } else {
    key += "  ";
    if (const std::size_t al = r.find("AL="); al != npos) {
      key += After(r, al, 3, 2);
    } else {
      key += "  ";
    }
  }

  // Register part: the first register of this list that occurs, if any.
  struct Register {
    std::string_view marker;
    std::size_t digits;
  };
  static constexpr std::array<Register, 13> kRegisters = {{
      {"BX=", 4},
      {"BH=", 2},
      {"BL=", 2},
      {"CX=", 4},
      {"CH=", 2},
      {"CL=", 2},
      {"DX=", 4},
      {"DH=", 2},
      {"DL=", 2},
      {"BP=", 4},
      {"SI=", 4},
      {"SF=", 4},
      {"DI=", 4},
  }};
  for (const Register& reg : kRegisters) {
    if (const std::size_t at = r.find(reg.marker); at != npos) {
      key += reg.marker.substr(0, 2);
      // A value may have fewer digits than its register holds (SF=06h next to SF=8086h); the
      // hex suffix is never part of an identifier, so the value ends at it.
      std::string_view value = After(r, at, 3, reg.digits);
      value = value.substr(0, value.find('h'));
      key += value;
      break;
    }
  }
  return key;
}

// The key for r in a list of the given kind (1..7); false when r has the wrong shape.
bool BuildKey(std::string_view r, int listKind, std::string_view currentIdentifier,
              std::string& key) {
  // A key's first letter is assigned as a char: assigning it as a one-letter string makes GCC 12
  // at -O3 warn (-Wrestrict) about an overlap in the inlined copy that cannot happen.
  switch (listKind) {
    case 1:  // INTERRUP.LST
      if (!HasPrefix(r, "INT") && r.find('=') != 2) return false;
      key = InterruptKey(r, currentIdentifier);
      return true;
    case 2:  // PORTS.LST: PORT 0060h-006Fh
      if (!HasPrefix(r, "PORT ")) return false;
      key = 'P';
      key += Chars(r, 6, 9);
      if (r.size() >= 16 && r.find('-') == 10) key += Chars(r, 12, 15);
      return true;
    case 3:  // MEMORY.LST: MEM 0040h:0017h or MEM 000F0000h
      if (!HasPrefix(r, "MEM ")) return false;
      key = 'M';
      if (r.find(':') == 9) {
        key += Chars(r, 5, 8);
        key += Chars(r, 11, 14);
      } else {
        key += Chars(r, 5, 12);
      }
      return true;
    case 4:  // CMOS.LST: CMOS 32h
      if (!HasPrefix(r, "CMOS ")) return false;
      key = 'R';
      key += Chars(r, 6, 7);
      return true;
    case 5:  // FARCALL.LST: @0060h:0000h
      if (r.empty() || r[0] != '@') return false;
      key = Chars(r, 1, 5);
      key += Chars(r, 8, 11);
      return true;
    case 6: {  // MSR.LST: MSR C0010003h; seven digits get a leading zero
      if (!HasPrefix(r, "MSR ")) return false;
      const std::size_t h = r.find('h');
      std::string_view digits;
      if (h != npos && h > 4) digits = r.substr(4, h - 4);
      key = 'S';
      if (digits.size() == 7) key += '0';
      key += digits;
      return true;
    }
    case 7:  // I2C.LST: I2C 86h/28h/1Ah
      if (!HasPrefix(r, "I2C ")) return false;
      key = 'I';
      key += Chars(r, 5, 6);
      if (r.size() >= 11 && r[7] == '/') key += Chars(r, 9, 10);
      if (r.size() >= 15 && r[11] == '/') {
        key += "  SF";
        key += Chars(r, 13, 14);
      }
      return true;
    default:
      return false;
  }
}

// The title qualifier: the text after the first '"' up to, not including, r's last character.
std::string_view TitleQualifier(std::string_view r) {
  const std::size_t quote = r.find('"');
  if (quote == npos) return {};
  const std::size_t begin = quote + 1;
  const std::size_t end = r.size() - 1;
  return end > begin ? r.substr(begin, end - begin) : std::string_view{};
}

}  // namespace

ReferenceKey ResolveReference(std::string_view reference, int listKind,
                              std::string_view currentIdentifier) {
  ReferenceKey result;
  if (listKind < 1 || listKind > 7) return result;
  if (!BuildKey(reference, listKind, currentIdentifier, result.key)) {
    result.status = ReferenceStatus::InvalidShape;
    result.key.clear();
    return result;
  }
  result.status = ReferenceStatus::Key;
  result.title = TitleQualifier(reference);
  return result;
}

}  // namespace qorl
