// SPDX-License-Identifier: MIT
#pragma once
// Category descriptions and the entries of the category selector. An entry is a text whose first
// byte is the category character, followed by a blank and the description ("D DOS kernel"). The
// all-categories entry starts with byte 255.

#include <string>
#include <string_view>
#include <vector>

#include "core/list/topic_table.h"

namespace qorl {

// Category character that stands for every category.
inline constexpr unsigned char kAllCategories = 255;

// Text of the all-categories entry: byte 255 + " All categories".
std::string AllCategoriesEntry();

// Description lines in name/value form ("#68=DOS kernel"), in order.
using CategoryDescriptions = std::vector<std::string>;

// The descriptions the program starts with, including the two empty lines of the built-in list.
const CategoryDescriptions& BuiltInCategoryDescriptions();

// Lines of a description file's bytes: a line ends at CR LF, a lone CR or a lone LF.
CategoryDescriptions ParseCategoryDescriptions(std::string_view fileBytes);

// The value of the first line whose name (text before its first "=") equals name, compared
// without regard to the case of a to z; empty when no line has that name. Lines without "=" are
// ignored.
std::string DescriptionValue(const CategoryDescriptions& descriptions, std::string_view name);

// The description of category character c: the value of "#" + decimal code, or "Unknown" when
// there is none or it is empty.
std::string CategoryDescription(const CategoryDescriptions& descriptions, unsigned char c);

// The selector's entries for a category set: one per character code 0..254 in the set, sorted
// stably by the first character with a..z folded to capitals, and the all-categories entry on top
// when there are two or more.
std::vector<std::string> CategoryEntries(const CategorySet& categories,
                                         const CategoryDescriptions& descriptions);

// True for the all-categories entry (first byte 255).
inline bool IsAllCategoriesEntry(std::string_view entry) {
  return !entry.empty() && static_cast<unsigned char>(entry[0]) == kAllCategories;
}

}  // namespace qorl
