// SPDX-License-Identifier: MIT
#include <filesystem>
#include <system_error>

#include "core/list/file_replacement.h"
#include "core/settings/settings_file_io.h"

namespace qorl {

bool WriteSettingsFile(const std::string& path, std::string_view bytes, std::string& reason) {
  namespace fs = std::filesystem;
  fs::path target(path);
  std::error_code ec;
  // A link to the hive file stays a link: the file it points to is replaced.
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
      reason = ec.message();
      return false;
    }
  }
  FileReplacement replacement(target.string(), kSettingsTemporary);
  return replacement.begin(reason) && replacement.write(bytes, reason) &&
         replacement.commit(reason);
}

}  // namespace qorl
