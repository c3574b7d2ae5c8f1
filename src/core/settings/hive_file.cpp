// SPDX-License-Identifier: MIT
#include "core/settings/hive_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

#include "core/list/file_path.h"
#include "core/settings/settings_file_io.h"

namespace qorl {

namespace {

bool HasLineBreak(const std::string& s) {
  return s.find_first_of("\r\n") != std::string::npos;
}

enum class ReadOutcome { Read, Missing, Failed };

ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(FilePath(path), ec);
  if (status.type() == fs::file_type::not_found) return ReadOutcome::Missing;
  if (ec || status.type() == fs::file_type::directory) return ReadOutcome::Failed;
  std::ifstream in(FilePath(path), std::ios::binary);
  if (!in) return ReadOutcome::Failed;
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) return ReadOutcome::Failed;
  bytes = std::move(contents).str();
  return ReadOutcome::Read;
}

// Moves an unparsable file aside as NAME.bad (NAME.bad2, ... when that is taken); the new
// name, or empty when it could not be moved.
std::string MoveAside(const std::string& path) {
  namespace fs = std::filesystem;
  for (int n = 1; n <= 100; ++n) {
    const std::string aside = path + ".bad" + (n == 1 ? std::string() : std::to_string(n));
    std::error_code ec;
    if (fs::exists(fs::symlink_status(FilePath(aside), ec))) continue;
    fs::rename(FilePath(path), FilePath(aside), ec);
    return ec ? std::string() : aside;
  }
  return {};
}

}  // namespace

class HiveFile::Key final : public HiveKey {
 public:
  Key(HiveFile& hive, std::string path) : hive_(hive), path_(std::move(path)) {}

  std::optional<HiveValue> queryValue(const std::string& name) const override {
    const HiveKeyNode* node = hive_.tree_.find(path_);
    if (!node) return std::nullopt;
    const HiveValue* value = node->find(name);
    if (!value) return std::nullopt;
    return *value;
  }

  bool setValue(const std::string& name, const HiveValue& value) override {
    HiveKeyNode* node = hive_.tree_.find(path_);
    if (!node || HasLineBreak(name)) return false;
    const HiveValue* old = node->find(name);
    if (old && *old == value) return true;
    node->set(name, value);
    hive_.dirty_ = true;
    return true;
  }

  std::vector<std::string> subKeyNames() const override { return hive_.tree_.subKeyNames(path_); }

  std::vector<std::string> valueNames() const override {
    std::vector<std::string> names;
    if (const HiveKeyNode* node = hive_.tree_.find(path_)) {
      for (const auto& entry : node->values) names.push_back(entry.first);
    }
    return names;
  }

 private:
  HiveFile& hive_;
  std::string path_;
};

HiveFile::HiveFile(std::string path) : path_(std::move(path)) {}

void HiveFile::begin(MessageService& messages) {
  // Unsaved changes of an earlier operation stay in memory (their write failed); otherwise the
  // file is read afresh, so that other programs' changes to other keys are kept.
  if (!dirty_) load(messages);
}

void HiveFile::load(MessageService& messages) {
  tree_ = HiveTree();
  blocked_ = false;
  std::string bytes;
  const ReadOutcome outcome = path_.empty() ? ReadOutcome::Missing : ReadWholeFile(path_, bytes);
  if (outcome == ReadOutcome::Missing) return;

  std::string aside;
  if (outcome == ReadOutcome::Read) {
    // An empty file holds nothing to lose: it reads as an empty hive.
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos) return;
    if (auto tree = ParseHiveText(bytes)) {
      tree_ = std::move(*tree);
      return;
    }
    aside = MoveAside(path_);
  }
  blocked_ = aside.empty();
  if (told_) return;
  told_ = true;
  if (!aside.empty()) {
    messages.warning("The settings file \"" + path_ +
                     "\" could not be read and has been renamed to \"" + aside +
                     "\". The default settings are used.");
  } else {
    messages.warning("The settings file \"" + path_ +
                     "\" could not be read. The default settings are used and the file is left "
                     "unchanged.");
  }
}

bool HiveFile::finish(std::string& failure) {
  if (!dirty_) return true;
  if (path_.empty()) {
    failure = "Unable to save the settings: no home folder was found !";
    return false;
  }
  if (blocked_) {
    failure = "The settings were not saved: the settings file \"" + path_ +
              "\" could not be read and is left unchanged.";
    return false;
  }
  std::string reason;
  ++writeCount_;
  if (!WriteSettingsFile(path_, FormatHiveText(tree_), reason)) {
    failure = "Unable to write the settings file \"" + path_ + "\": " + reason;
    return false;
  }
  dirty_ = false;
  return true;
}

std::unique_ptr<HiveKey> HiveFile::openKey(const std::string& path) {
  if (!tree_.find(path)) return nullptr;
  return std::make_unique<Key>(*this, path);
}

std::unique_ptr<HiveKey> HiveFile::createKey(const std::string& path) {
  if (!IsValidHiveKeyPath(path)) return nullptr;
  if (!tree_.find(path)) {
    tree_.create(path);
    dirty_ = true;
  }
  return std::make_unique<Key>(*this, path);
}

bool HiveFile::deleteKeyTree(const std::string& path) {
  if (!tree_.removeTree(path)) return false;
  dirty_ = true;
  return true;
}

}  // namespace qorl
