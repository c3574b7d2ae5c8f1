// SPDX-License-Identifier: MIT
#pragma once
// The temporaries that writing index files leaves when a writer is killed: any list's, not only
// the one being written, so that a folder of lists keeps no leftovers of lists never reopened.

#include <string>
#include <string_view>

namespace qorl {

// True when name (without folder) is one of our temporaries of some index file ("NAME.qorlv").
bool IsIndexTemporaryName(std::string_view name);

// Removes every index temporary in folder (UTF-8) that no writer holds; returns how many went.
int RemoveAbandonedIndexTemporaries(const std::string& folder);

}  // namespace qorl
