// SPDX-License-Identifier: MIT
#pragma once
// The references that become links when every reference is followed (FollowAllReferences):
// see-also items the list does not offer but that lead somewhere (table references, references
// of another list kind), and references in running text: table references ("#01378") anywhere,
// and the references listed after the word "see" ("(see INT 21/AH=4Ch)", "(see also AX=4B00h,
// #00040)", "see PORT 0060h").

#include <cstddef>
#include <string_view>
#include <vector>

namespace qorl {

struct TextRange {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const TextRange&) const = default;
};

// True when RouteReference leads the see-also item (or running-text reference) somewhere: to a
// table, or to a key in the open list or a list of another kind.
bool IsFollowedReference(std::string_view reference, int listKind);

// True when RouteReference leads the reference out of the open list's topics: to a table, or to
// a list of another kind. Such links look alike (teal, underlined), whatever else they are.
bool LeadsOutOfList(std::string_view reference, int listKind);

// The references in one line of running text, in order. A reference after "see" runs to the
// next blank, comma, semicolon or bracket, a register or list word such as "INT " keeps its
// blank, a quoted title qualifier keeps its blanks, and a final '.' or ':' is left out; a comma
// goes on to the next reference of the same list.
std::vector<TextRange> FindTextReferences(std::string_view line, int listKind);

}  // namespace qorl
