#include "core/list/temporary_name.h"

#include <filesystem>
#include <system_error>

#include "core/list/file_path.h"
#include "core/list/file_replacement.h"

namespace qorl {

namespace {

constexpr std::string_view kIndexExtension = ".qorlv";

}  // namespace

bool IsIndexTemporaryName(std::string_view name) {
  // The index's own name is the name up to one of its ".qorlv"s.
  for (std::size_t at = name.find(kIndexExtension); at != std::string_view::npos;
       at = name.find(kIndexExtension, at + 1)) {
    if (IsTemporaryName(name, name.substr(0, at + kIndexExtension.size()), kIndexTemporary))
      return true;
  }
  return false;
}

int RemoveAbandonedIndexTemporaries(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : FilePath(folder), ec);
  int removed = 0;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    if (IsIndexTemporaryName(Utf8Path(it->path().filename())) &&
        RemoveIfAbandoned(Utf8Path(it->path()))) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace qorl
