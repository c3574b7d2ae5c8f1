#include "core/list/list_kind.h"

#include <array>
#include <string>

#include "core/list/ascii.h"

namespace qorl {

std::string_view FileNameOf(std::string_view path) {
  const auto cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

int ListKindOf(std::string_view path) {
  static constexpr std::array<std::string_view, 11> kNames = {
      "INTERRUP.LST", "PORTS.LST",   "MEMORY.LST", "CMOS.LST",   "FARCALL.LST", "MSR.LST",
      "I2C.LST",      "OPCODES.LST", "SMM.LST",    "TABLES.LST", "BIBLIO.LST"};
  const std::string_view name = FileNameOf(path);
  if (name.empty()) return ListKind::None;
  const std::string upper = AsciiUpper(name);
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (upper == kNames[i]) return static_cast<int>(i) + 1;
  }
  return ListKind::Other;
}

}  // namespace qorl
