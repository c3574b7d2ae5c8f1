// SPDX-License-Identifier: MIT
#include "core/browse/text_references.h"

#include <algorithm>
#include <array>

#include "core/browse/reference_route.h"
#include "core/browse/table_map.h"
#include "core/search/text_rules.h"

namespace qorl {
namespace {

bool IsWordAt(std::string_view line, std::size_t i) {
  return i < line.size() && IsWordByte(static_cast<unsigned char>(line[i]));
}

bool IsDelimiter(char c) {
  return c == ',' || c == ')' || c == '(' || c == ';' || c == ' ' || c == '\t' || c == ']' ||
         c == '[';
}

// The end of the reference that starts at from (see FindTextReferences).
std::size_t ReferenceEnd(std::string_view line, std::size_t from) {
  static constexpr std::array<std::string_view, 6> kWords = {"INT ",  "PORT ", "MEM ",
                                                             "CMOS ", "MSR ",  "I2C "};
  std::size_t i = from;
  for (std::string_view word : kWords) {
    if (StartsWithFolded(line.substr(from), word)) {
      i += word.size();
      break;
    }
  }
  while (i < line.size() && !IsDelimiter(line[i])) {
    if (line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) break;
      i = close + 1;
      continue;
    }
    ++i;
  }
  while (i > from && (line[i - 1] == '.' || line[i - 1] == ':')) --i;
  return i;
}

// The references listed after a "see" that ends at from.
void ListAfterSee(std::string_view line, std::size_t from, int listKind,
                  std::vector<TextRange>& out) {
  std::size_t pos = from;
  if (StartsWithFolded(line.substr(pos), "also ")) pos += 5;
  while (pos < line.size()) {
    const std::size_t end = ReferenceEnd(line, pos);
    if (end == pos) return;
    const std::string_view reference = line.substr(pos, end - pos);
    const bool table = !TableIdOf(reference).empty();
    if (!table && !IsFollowedReference(reference, listKind)) return;
    // Table references are found wherever they stand.
    if (!table) out.push_back({pos, end - pos});
    if (end >= line.size() || line[end] != ',') return;
    pos = end + 1;
  }
}

}  // namespace

bool IsFollowedReference(std::string_view reference, int listKind) {
  const RouteKind kind = RouteReference(reference, listKind, {}).kind;
  return kind == RouteKind::Key || kind == RouteKind::Table;
}

bool LeadsOutOfList(std::string_view reference, int listKind) {
  const ReferenceRoute route = RouteReference(reference, listKind, {});
  return route.kind == RouteKind::Table ||
         (route.kind == RouteKind::Key && route.listKind != listKind);
}

std::vector<TextRange> FindTextReferences(std::string_view line, int listKind) {
  std::vector<TextRange> out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '#') {
      std::size_t end = i + 1;
      while (end - i <= kLongestTableId && IsWordAt(line, end)) ++end;
      if (!IsWordAt(line, end) && !TableIdOf(line.substr(i, end - i)).empty()) {
        out.push_back({i, end - i});
        i = end - 1;
      }
    } else if ((c == 's' || c == 'S') && (i == 0 || !IsWordAt(line, i - 1)) &&
               StartsWithFolded(line.substr(i), "SEE ")) {
      ListAfterSee(line, i + 4, listKind, out);
      i += 3;
    }
  }
  // The table references of a "see" list are found by the '#' scan, after the list's other
  // references: put them in order, and a range inside one taken before goes.
  std::sort(out.begin(), out.end(),
            [](const TextRange& a, const TextRange& b) { return a.start < b.start; });
  std::size_t taken = 0;
  std::erase_if(out, [&taken](const TextRange& r) {
    if (r.start < taken) return true;
    taken = r.start + r.length;
    return false;
  });
  return out;
}

}  // namespace qorl
