// SPDX-License-Identifier: MIT
#pragma once
// How our temporary files are named. A file is replaced by writing a temporary beside it and
// renaming that over it; a temporary left by a writer that was killed must be found again and
// removed, and nothing else may ever be taken for one. So a temporary's name is its file's name,
// a marker, eight random hex digits and eight hex digits of a check computed from the file name
// and the random part: a name someone picks by hand practically never passes the check.
//
//   "Qorl Viewer.reg" -> "Qorl Viewer.reg.~qorl.3fa91c0e5d27b4a1"

#include <optional>
#include <string>
#include <string_view>

namespace qorl {

// A fresh temporary name (without folder) for the file named fileName (without folder).
std::string MakeTemporaryName(std::string_view fileName);

// The name of the file that name is a temporary of; nothing when name is not one of ours.
std::optional<std::string> TemporaryTargetOf(std::string_view name);

// Whether name is one of our temporaries of the file named fileName (the letters a to z of the
// file name compare in either case, as on Windows).
bool IsTemporaryNameOf(std::string_view name, std::string_view fileName);

}  // namespace qorl
