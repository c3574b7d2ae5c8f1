#include "core/app/program_files.h"

#include <filesystem>
#include <system_error>

namespace qorl {

std::string InstalledDataFolder(const std::string& programDir) {
  namespace fs = std::filesystem;
  return (fs::path(programDir) / QORL_DATA_FROM_PROGRAM / "").lexically_normal().string();
}

std::string ProgramFilePath(const std::string& programDir, const std::string& name) {
  const std::string beside = programDir + name;
  const std::string installed = InstalledDataFolder(programDir) + name;
  std::error_code error;
  if (std::filesystem::is_regular_file(beside, error)) return beside;
  if (std::filesystem::is_regular_file(installed, error)) return installed;
  return beside;
}

}  // namespace qorl
