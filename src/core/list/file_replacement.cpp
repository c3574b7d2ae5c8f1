#include "core/list/file_replacement.h"

#include <filesystem>
#include <random>

#include "core/list/list_kind.h"

namespace qorl {
namespace {

bool IsSuffixCharacter(char c, bool mixedCase) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (mixedCase && c >= 'A' && c <= 'Z');
}

// A moved-aside settings file, ".bad" + digits, has the shape of a temporary's suffix.
bool IsMovedAsideName(std::string_view suffix) {
  return suffix.substr(0, 3) == "bad" &&
         suffix.find_first_not_of("0123456789", 3) == std::string_view::npos;
}

std::string RandomSuffix(const TemporaryNaming& naming) {
  static constexpr std::string_view kCharacters =
      "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  static std::mt19937_64 generator{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, naming.mixedCase ? 61 : 35);
  std::string suffix;
  do {
    suffix.clear();
    for (std::size_t i = 0; i < naming.suffixLength; ++i) suffix += kCharacters[pick(generator)];
  } while (IsMovedAsideName(suffix));
  return suffix;
}

}  // namespace

bool IsTemporaryName(std::string_view name, std::string_view fileName,
                     const TemporaryNaming& naming) {
  if (name.size() <= fileName.size() + naming.marker.size() || !name.starts_with(fileName)) {
    return false;
  }
  name.remove_prefix(fileName.size());
  if (!name.starts_with(naming.marker)) return false;
  const std::string_view suffix = name.substr(naming.marker.size());
  if (suffix.size() < naming.shortestSuffix || suffix.size() > naming.suffixLength) return false;
  for (const char c : suffix) {
    if (!IsSuffixCharacter(c, naming.mixedCase)) return false;
  }
  return !IsMovedAsideName(suffix);
}

FileReplacement::FileReplacement(std::string target, const TemporaryNaming& naming)
    : target_(std::move(target)), naming_(naming) {}

FileReplacement::~FileReplacement() {
  discard();
}

bool FileReplacement::begin(std::string& reason) {
  RemoveAbandonedTemporaries(target_, naming_);
  // A name that is taken, or a temporary a cleaner removed before it was locked, means another
  // try under a new name.
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ = target_ + std::string(naming_.marker) + RandomSuffix(naming_);
    if (create(reason)) return true;
    if (!reason.empty()) return false;
  }
  reason = "no free temporary file name";
  return false;
}

int RemoveAbandonedTemporaries(const std::string& target, const TemporaryNaming& naming) {
  namespace fs = std::filesystem;
  const std::string_view fileName = FileNameOf(target);
  const fs::path folder = fs::path(target).parent_path();
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
  int removed = 0;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (IsTemporaryName(name, fileName, naming) && RemoveIfAbandoned(it->path().string())) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace qorl
