// SPDX-License-Identifier: MIT
#include "core/list/file_replacement.h"

#include <filesystem>

#include "core/list/file_path.h"
#include "core/list/list_kind.h"
#include "core/list/temporary_name.h"

namespace qorl {

FileReplacement::FileReplacement(std::string target, const TemporaryNaming& naming)
    : target_(std::move(target)), naming_(naming) {}

FileReplacement::~FileReplacement() {
  discard();
}

bool FileReplacement::begin(std::string& reason) {
  RemoveAbandonedTemporaries(target_);
  // A name that is taken, or a temporary a cleaner removed before it was locked, means another
  // try under a new name.
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ = target_.substr(0, target_.size() - FileNameOf(target_).size()) +
                 MakeTemporaryName(FileNameOf(target_));
    if (create(reason)) return true;
    if (!reason.empty()) return false;
  }
  reason = "no free temporary file name";
  return false;
}

int RemoveAbandonedTemporaries(const std::string& target) {
  namespace fs = std::filesystem;
  const std::string_view fileName = FileNameOf(target);
  const fs::path folder = FilePath(target).parent_path();
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
  int removed = 0;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = Utf8Path(it->path().filename());
    if (IsTemporaryNameOf(name, fileName) && RemoveIfAbandoned(Utf8Path(it->path()))) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace qorl
