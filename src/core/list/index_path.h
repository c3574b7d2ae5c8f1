// SPDX-License-Identifier: MIT
#pragma once
// Where a list's index file lives: beside it, named after it with the extension ".qorlv".

#include <string>

namespace qorl {

// The list path cut before the last '.' of its file name, plus ".qorlv"; a file name without any
// '.' gets ".qorlv" appended. A '.' in a folder name is never cut at, so the index always lies
// in the list's own folder.
std::string IndexPathOf(const std::string& listPath);

}  // namespace qorl
