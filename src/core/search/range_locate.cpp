// SPDX-License-Identifier: MIT
#include "core/search/range_locate.h"

#include <cstdint>
#include <optional>

#include "core/search/text_rules.h"

namespace qorl {
namespace {

// The value of a hex digit (either case).
std::optional<unsigned> HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  const auto folded = static_cast<char>(FoldedByte(static_cast<unsigned char>(c)));
  if (folded >= 'A' && folded <= 'F') return static_cast<unsigned>(folded - 'A' + 10);
  return std::nullopt;
}

bool IsWildcard(char c) {
  return c == 'x' || c == 'X';
}

// Four hex digits; with anyDigit, an x stands for that digit (0 or F).
std::optional<std::uint32_t> Port(std::string_view digits, std::optional<unsigned> anyDigit = {}) {
  if (digits.size() != 4) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : digits) {
    std::optional<unsigned> d = HexDigit(c);
    if (!d && anyDigit && IsWildcard(c)) d = anyDigit;
    if (!d) return std::nullopt;
    value = value * 16 + *d;
  }
  return value;
}

struct Candidate {
  TopicNumber topic = -1;
  std::uint64_t width = 0;  // how many ports or addresses the range holds

  void offer(TopicNumber n, std::uint64_t w) {
    if (topic < 0 || w < width) {
      topic = n;
      width = w;
    }
  }
};

TopicNumber LocatePort(const TopicTable& table, std::string_view key) {
  const auto first = Port(key.substr(1, 4));
  const auto last = key.size() == 9 ? Port(key.substr(5, 4)) : first;
  if (!first || !last || (key.size() != 5 && key.size() != 9)) return -1;
  Candidate best;
  for (TopicNumber n = 1; n < table.count(); ++n) {
    const std::string_view id = TrimmedView(table.identifier(n));
    if ((id.size() != 5 && id.size() != 9) || FoldedByte(static_cast<unsigned char>(id[0])) != 'P')
      continue;
    const auto from = Port(id.substr(1, 4));
    const auto to = id.size() == 9 ? Port(id.substr(5, 4), 0xF) : from;
    if (from && to && *from <= *first && *last <= *to) best.offer(n, *to - *from + 1);
  }
  return best.topic;
}

TopicNumber LocateAddress(const TopicTable& table, std::string_view key) {
  if (key.size() != 9) return -1;
  for (const char c : key.substr(1)) {
    if (!HexDigit(c)) return -1;
  }
  Candidate best;
  for (TopicNumber n = 1; n < table.count(); ++n) {
    const std::string_view id = TrimmedView(table.identifier(n));
    if (id.size() != 9 || FoldedByte(static_cast<unsigned char>(id[0])) != 'M') continue;
    std::uint64_t width = 1;
    bool holds = true;
    for (std::size_t i = 1; i < 9 && holds; ++i) {
      if (IsWildcard(id[i]) && i > 4) {
        width *= 16;
      } else {
        holds = HexDigit(id[i]) == HexDigit(key[i]);
      }
    }
    if (holds) best.offer(n, width);
  }
  return best.topic;
}

}  // namespace

TopicNumber LocateInRange(const TopicTable& table, std::string_view key) {
  key = TrimmedView(key);
  if (key.empty()) return -1;
  switch (FoldedByte(static_cast<unsigned char>(key[0]))) {
    case 'P':
      return LocatePort(table, key);
    case 'M':
      return LocateAddress(table, key);
    default:
      return -1;
  }
}

}  // namespace qorl
