// SPDX-License-Identifier: MIT
#pragma once
// The See-also menu when every reference is followed: a topic that describes many tables lists
// the same table references again and again (INT 1A/AX=B10Ah/SF=8086h: 458 items, 123 of them
// different). Each reference is listed once, where it first stands, and the references that
// leave the open list go to a group of their own.

#include <string>
#include <vector>

namespace qorl {

struct SeeAlsoMenuGroups {
  std::vector<std::string> own;         // references to topics of the open list, in order
  std::vector<std::string> tables;      // table references
  std::vector<std::string> otherLists;  // references into lists of other kinds
};

// Sorts the menu's entries (FormatTopic's seeAlsoEntries) of a list of the given kind into the
// three groups, each entry once (the first occurrence of equal bytes stays).
SeeAlsoMenuGroups GroupSeeAlsoEntries(const std::vector<std::string>& entries, int listKind);

}  // namespace qorl
