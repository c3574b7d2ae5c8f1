// SPDX-License-Identifier: MIT
#pragma once
// Whether an index's topics can belong to a list: the last topic must end where a scan of the
// list would end it. An index of another list that shares the index name and the time stamp
// (INTERRUP.A and INTERRUP.LST, copies that keep their times) is found out this way.

#include <cstdint>
#include <string>

#include "core/list/topic_table.h"

namespace qorl {

// True when a topic with this record can be the last topic of the list at listPath, which holds
// listSize bytes: it ends at the end of the file (two bytes beyond it when the last line has no
// line end), at a Ctrl-Z, or it is the whole-file topic.
bool LastTopicFitsList(const TopicRecord& last, const std::string& listPath, std::int64_t listSize);

}  // namespace qorl
