// SPDX-License-Identifier: MIT
#include "core/settings/settings_file_io.h"

#include <filesystem>
#include <system_error>

#include "core/list/file_path.h"
#include "core/list/file_replacement.h"

namespace qorl {

bool WriteSettingsFile(const std::string& path, std::string_view bytes, std::string& reason) {
  const std::filesystem::path folder = FilePath(path).parent_path();
  std::error_code ec;
  if (!folder.empty()) {
    std::filesystem::create_directories(folder, ec);
    if (ec) {
      reason = ec.message();
      return false;
    }
  }
  // The same replacement as the index files: flushed, renamed over, and temporaries a killed
  // writer left are removed.
  FileReplacement replacement(path, kSettingsTemporary);
  return replacement.begin(reason) && replacement.write(bytes, reason) &&
         replacement.commit(reason);
}

}  // namespace qorl
