// SPDX-License-Identifier: MIT
#include "core/browse/see_also_menu.h"

#include <string_view>
#include <unordered_set>

#include "core/browse/reference_route.h"

namespace qorl {

SeeAlsoMenuGroups GroupSeeAlsoEntries(const std::vector<std::string>& entries, int listKind) {
  SeeAlsoMenuGroups groups;
  std::unordered_set<std::string_view> seen;
  for (const std::string& entry : entries) {
    if (!seen.insert(entry).second) continue;
    const ReferenceRoute route = RouteReference(entry, listKind, {});
    if (route.kind == RouteKind::Table) {
      groups.tables.push_back(entry);
    } else if (route.kind == RouteKind::Key && route.listKind != listKind) {
      groups.otherLists.push_back(entry);
    } else {
      groups.own.push_back(entry);
    }
  }
  return groups;
}

}  // namespace qorl
