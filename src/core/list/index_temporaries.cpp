// SPDX-License-Identifier: MIT
#include "core/list/index_temporaries.h"

#include <filesystem>
#include <system_error>

#include "core/list/ascii.h"
#include "core/list/file_path.h"
#include "core/list/file_replacement.h"
#include "core/list/temporary_name.h"

namespace qorl {

namespace {

constexpr std::string_view kIndexExtension = ".qorlv";

}  // namespace

bool IsIndexTemporaryName(std::string_view name) {
  const auto target = TemporaryTargetOf(name);
  return target && target->size() > kIndexExtension.size() &&
         EqualsFolded(std::string_view(*target).substr(target->size() - kIndexExtension.size()),
                      kIndexExtension);
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
