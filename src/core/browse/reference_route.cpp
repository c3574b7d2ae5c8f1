// SPDX-License-Identifier: MIT
#include "core/browse/reference_route.h"

#include "core/browse/reference_key.h"
#include "core/browse/table_map.h"
#include "core/search/text_rules.h"

namespace qorl {

std::string_view TableIdOf(std::string_view reference) {
  if (reference.empty() || reference[0] != '#') return {};
  const std::string_view id = reference.substr(1);
  return IsTableId(id) ? id : std::string_view{};
}

int ShapeListKind(std::string_view reference, int openKind) {
  if (StartsWithFolded(reference, "INT")) return 1;
  if (StartsWithFolded(reference, "PORT ")) return 2;
  if (StartsWithFolded(reference, "MEM ")) return 3;
  if (StartsWithFolded(reference, "CMOS ")) return 4;
  if (!reference.empty() && reference[0] == '@') return 5;
  if (StartsWithFolded(reference, "MSR ")) return 6;
  if (StartsWithFolded(reference, "I2C ")) return 7;
  if (openKind == 1 && reference.find('=') == 2) return 1;
  return 0;
}

ReferenceRoute RouteReference(std::string_view reference, int openKind,
                              std::string_view currentIdentifier) {
  ReferenceRoute route;
  if (const std::string_view id = TableIdOf(reference); !id.empty()) {
    route.kind = RouteKind::Table;
    route.listKind = DefiningListKind(id);
    route.tableId = id;
    return route;
  }
  // The open list's own grammar first, so that what it follows stays as it is.
  int kind = openKind;
  ReferenceKey key = ResolveReference(reference, kind, currentIdentifier);
  if (key.status != ReferenceStatus::Key) {
    kind = ShapeListKind(reference, openKind);
    if (kind != 0) key = ResolveReference(reference, kind, currentIdentifier);
  }
  if (key.status == ReferenceStatus::Key) {
    route.kind = RouteKind::Key;
    route.listKind = kind;
    route.key = std::move(key.key);
    route.title = std::move(key.title);
  } else {
    route.kind = openKind >= 1 && openKind <= 7 ? RouteKind::InvalidShape : RouteKind::NotHandled;
  }
  return route;
}

}  // namespace qorl
