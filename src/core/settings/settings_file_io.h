// SPDX-License-Identifier: MIT
#pragma once
// Replacing the hive file as one step: the bytes go to a temporary file in the same folder,
// which is flushed to disk and then renamed over the target. Missing folders are created.

#include <string>
#include <string_view>

namespace qorl {

// False on failure, with a short reason (UTF-8) in reason; the target is then untouched.
bool WriteSettingsFile(const std::string& path, std::string_view bytes, std::string& reason);

}  // namespace qorl
