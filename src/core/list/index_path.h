#pragma once
// Where a list's index file lives: beside it, named after it with the extension ".qorlv".

#include <string>

namespace qorl {

// The list path cut before its last '.' (wherever in the path it stands) plus ".qorlv"; a path
// without any '.' gets ".qorlv" appended.
std::string IndexPathOf(const std::string& listPath);

}  // namespace qorl
