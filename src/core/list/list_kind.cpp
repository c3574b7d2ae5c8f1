// SPDX-License-Identifier: MIT
#include "core/list/list_kind.h"

#include <array>
#include <string>

#include "core/list/ascii.h"

namespace qorl {
namespace {

constexpr std::array<std::string_view, 11> kListNames = {
    "INTERRUP.LST", "PORTS.LST",   "MEMORY.LST", "CMOS.LST",   "FARCALL.LST", "MSR.LST",
    "I2C.LST",      "OPCODES.LST", "SMM.LST",    "TABLES.LST", "BIBLIO.LST"};

}  // namespace

std::string_view FileNameOf(std::string_view path) {
  const auto cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

int ListKindOf(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  if (name.empty()) return ListKind::None;
  const std::string upper = AsciiUpper(name);
  for (std::size_t i = 0; i < kListNames.size(); ++i) {
    if (upper == kListNames[i]) return static_cast<int>(i) + 1;
  }
  return ListKind::Other;
}

std::string_view ListFileName(int kind) {
  if (kind < 1 || kind > static_cast<int>(kListNames.size())) return {};
  return kListNames[static_cast<std::size_t>(kind) - 1];
}

}  // namespace qorl
