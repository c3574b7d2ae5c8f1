// SPDX-License-Identifier: MIT
#include "core/list/file_path.h"

namespace qorl {

std::filesystem::path FilePath(std::string_view utf8) {
  return std::filesystem::path(std::string(utf8));
}

std::string Utf8Path(const std::filesystem::path& path) {
  return path.string();
}

std::FILE* OpenFile(std::string_view utf8, const char* mode) {
  return std::fopen(std::string(utf8).c_str(), mode);
}

}  // namespace qorl
