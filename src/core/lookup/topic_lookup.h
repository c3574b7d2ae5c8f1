// SPDX-License-Identifier: MIT
#pragma once
// Go to Topic's answer to a query over the lists in memory: the topic the query names when it
// is a reference (looked up as a click on that reference would be), then every topic whose
// "identifier title" holds all of the query's words, in any order, letters a to z in any case.
// A word matched whole or at the start of a word counts above one matched inside a word; among
// equals shorter titles come first, then the lists' and the topics' order.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/lookup/lookup_lists.h"

namespace qorl {

inline constexpr std::size_t kDefaultLookupLimit = 50;

// A matched part of a row, to be shown bold: in the identifier or in the title.
struct LookupSpan {
  bool inTitle = false;
  std::uint32_t start = 0;
  std::uint32_t length = 0;
  bool operator==(const LookupSpan&) const = default;
};

struct LookupRow {
  std::size_t list = 0;  // index into the lists searched
  TopicNumber topic = -1;
  bool reference = false;  // the topic the query names as a reference
  std::vector<LookupSpan> spans;
};

// query: UTF-8 as typed (text that code page 437 cannot hold matches nothing). At most limit
// rows.
std::vector<LookupRow> LookupTopics(const LookupLists& lists, std::string_view query,
                                    std::size_t limit = kDefaultLookupLimit);

// The topic a reference names in lists, looked up as a click on it would: in the list of the
// reference's kind (the first such list), a table reference in the list that defines the table;
// a port that no identifier starts with is found in the narrowest range that holds it. reference
// is in the list's spelling (ReferenceReading). Nothing (list -1) when no topic fits.
struct LookupTarget {
  int list = -1;
  TopicNumber topic = -1;
};
LookupTarget LocateReferenceIn(const LookupLists& lists, std::string_view reference);

}  // namespace qorl
