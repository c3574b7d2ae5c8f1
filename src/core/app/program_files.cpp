// SPDX-License-Identifier: MIT
#include "core/app/program_files.h"

#include <filesystem>
#include <system_error>

#include "core/list/file_path.h"

namespace qorl {

std::string InstalledDataFolder(const std::string& programDir) {
  namespace fs = std::filesystem;
  return Utf8Path((FilePath(programDir) / QORL_DATA_FROM_PROGRAM / "").lexically_normal());
}

std::string ProgramFilePath(const std::string& programDir, const std::string& name) {
  const std::string beside = programDir + name;
  const std::string installed = InstalledDataFolder(programDir) + name;
  std::error_code error;
  if (std::filesystem::is_regular_file(FilePath(beside), error)) return beside;
  if (std::filesystem::is_regular_file(FilePath(installed), error)) return installed;
  return beside;
}

}  // namespace qorl
