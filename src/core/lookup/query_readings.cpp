// SPDX-License-Identifier: MIT
#include "core/lookup/query_readings.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "core/browse/table_map.h"
#include "core/list/ascii.h"

namespace qorl {
namespace {

enum class Shape { None, Int, Port, Mem, Cmos, Msr, I2c };

struct KindWord {
  std::string_view word;
  Shape shape;
};

constexpr KindWord kKindWords[] = {
    {"INT", Shape::Int},   {"PORT", Shape::Port}, {"MEM", Shape::Mem},
    {"CMOS", Shape::Cmos}, {"MSR", Shape::Msr},   {"I2C", Shape::I2c},
};

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// A hexadecimal number as people write it: digits, perhaps with an 'H' after them (upper-cased
// text). The digits without leading zeros beyond what maxDigits needs; nothing when the token is
// none or is longer than maxDigits significant digits.
std::optional<std::string> HexDigits(std::string_view token, std::size_t maxDigits) {
  if (!token.empty() && token.back() == 'H') token.remove_suffix(1);
  if (token.empty()) return std::nullopt;
  for (char c : token) {
    if (!IsHexDigit(c)) return std::nullopt;
  }
  while (token.size() > 1 && token.front() == '0') token.remove_prefix(1);
  if (token.size() > maxDigits) return std::nullopt;
  return std::string(token);
}

std::string Padded(const std::string& digits, std::size_t width) {
  return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

// The query's words: blanks, tabs, '/' and ',' separate them; a kind word glued to its number
// ("INT21H") is two words.
std::vector<std::string> Tokens(const std::string& text) {
  std::vector<std::string> tokens;
  std::string current;
  auto flush = [&] {
    if (current.empty()) return;
    for (const KindWord& kind : kKindWords) {
      if (current.size() > kind.word.size() &&
          current.compare(0, kind.word.size(), kind.word) == 0 &&
          IsHexDigit(current[kind.word.size()])) {
        tokens.emplace_back(kind.word);
        current.erase(0, kind.word.size());
        break;
      }
    }
    tokens.push_back(current);
    current.clear();
  };
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '/' || c == ',') {
      flush();
    } else {
      current += c;
    }
  }
  flush();
  return tokens;
}

// "AH=4C" and the like: the register's name and its value padded to the register's width.
std::optional<std::string> RegisterPart(std::string_view token) {
  if (token.size() < 4 || token[2] != '=') return std::nullopt;
  const std::string_view name = token.substr(0, 2);
  static constexpr std::string_view kWide[] = {"AX", "BX", "CX", "DX", "BP", "SI", "SF", "DI"};
  static constexpr std::string_view kNarrow[] = {"AH", "AL", "BH", "BL", "CH", "CL", "DH", "DL"};
  std::size_t width = 0;
  for (std::string_view wide : kWide) {
    if (name == wide) width = 4;
  }
  for (std::string_view narrow : kNarrow) {
    if (name == narrow) width = 2;
  }
  if (width == 0) return std::nullopt;
  const std::optional<std::string> digits = HexDigits(token.substr(3), width);
  if (!digits) return std::nullopt;
  return std::string(name) + '=' + Padded(*digits, width) + 'h';
}

// INTERRUP.LST: the interrupt number, then a function (a register or a bare number: two digits
// for AH, four for AX), then further registers.
std::string IntReading(const std::vector<std::string>& values) {
  if (values.empty()) return {};
  const std::optional<std::string> number = HexDigits(values[0], 2);
  if (!number) return {};
  std::string reading = "INT " + Padded(*number, 2);
  for (std::size_t i = 1; i < values.size(); ++i) {
    std::optional<std::string> part = RegisterPart(values[i]);
    if (!part && i == 1) {
      if (const std::optional<std::string> function = HexDigits(values[i], 4)) {
        part = function->size() <= 2 ? "AH=" + Padded(*function, 2) + 'h'
                                     : "AX=" + Padded(*function, 4) + 'h';
      }
    }
    if (!part) return {};
    reading += '/' + *part;
  }
  return reading;
}

std::string MemReading(const std::vector<std::string>& values) {
  if (values.size() != 1) return {};
  const std::string& value = values[0];
  if (const std::size_t colon = value.find(':'); colon != std::string::npos) {
    const std::optional<std::string> segment = HexDigits(value.substr(0, colon), 4);
    const std::optional<std::string> offset = HexDigits(value.substr(colon + 1), 4);
    if (!segment || !offset) return {};
    return "MEM " + Padded(*segment, 4) + "h:" + Padded(*offset, 4) + 'h';
  }
  const std::optional<std::string> address = HexDigits(value, 8);
  return address ? "MEM " + Padded(*address, 8) + 'h' : std::string();
}

std::string I2cReading(const std::vector<std::string>& values) {
  if (values.empty() || values.size() > 2) return {};
  std::string reading = "I2C ";
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::optional<std::string> number = HexDigits(values[i], 2);
    if (!number) return {};
    if (i > 0) reading += '/';
    reading += Padded(*number, 2);
    reading += 'h';
  }
  return reading;
}

// One number padded to width, after the kind's word.
std::string NumberReading(const std::vector<std::string>& values, std::string_view word,
                          std::size_t width, std::string_view suffix) {
  if (values.size() != 1) return {};
  const std::optional<std::string> number = HexDigits(values[0], width);
  if (!number) return {};
  return std::string(word) + ' ' + Padded(*number, width) + std::string(suffix);
}

}  // namespace

std::string ReferenceReading(std::string_view query) {
  const std::string text = AsciiUpper(TrimControls(query));
  if (text.empty()) return {};
  // A table: "#01378", "01378", "#P0219".
  const std::string_view table = text.front() == '#' ? std::string_view(text).substr(1) : text;
  if (IsTableId(table)) return '#' + std::string(table);
  // Far calls are written as the list writes them.
  if (text.front() == '@') return text;

  Shape shape = Shape::None;
  std::vector<std::string> values;
  for (std::string& token : Tokens(text)) {
    bool kindWord = false;
    for (const KindWord& kind : kKindWords) {
      if (token == kind.word) {
        if (shape != Shape::None) return {};
        shape = kind.shape;
        kindWord = true;
      }
    }
    if (!kindWord) values.push_back(std::move(token));
  }
  switch (shape) {
    case Shape::None:
      // Two numbers or more without a word are an interrupt and its function: "21 4c", "21/4C".
      return values.size() >= 2 ? IntReading(values) : std::string();
    case Shape::Int:
      return IntReading(values);
    case Shape::Port:
      return NumberReading(values, "PORT", 4, "");
    case Shape::Mem:
      return MemReading(values);
    case Shape::Cmos:
      return NumberReading(values, "CMOS", 2, "h");
    case Shape::Msr:
      return NumberReading(values, "MSR", 8, "h");
    case Shape::I2c:
      return I2cReading(values);
  }
  return {};
}

}  // namespace qorl
