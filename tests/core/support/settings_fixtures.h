// SPDX-License-Identifier: MIT
#pragma once
// Helpers for the settings, command-line and version tests: a temporary folder that is removed
// afterwards, a message recorder, and whole-file reading and writing. Tests point every hive at
// a temporary folder, never at the user's real settings.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/list/message_service.h"
#include "core/settings/settings_hive.h"
#include "core/support/temp_dir.h"

namespace qorl::settings_test {

class SettingsTempFolder {
 public:
  SettingsTempFolder() : path_(dir_.path()) {}

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  test::TempDir dir_;
  std::filesystem::path path_;
};

struct RecordedMessage {
  enum class Kind { Warning, Information, Error, Confirm };
  Kind kind;
  std::string text;
};

class SettingsMessages final : public MessageService {
 public:
  void warning(const std::string& text) override { add(RecordedMessage::Kind::Warning, text); }
  void information(const std::string& text) override {
    add(RecordedMessage::Kind::Information, text);
  }
  void error(const std::string& text) override { add(RecordedMessage::Kind::Error, text); }
  bool confirm(const std::string& text) override {
    add(RecordedMessage::Kind::Confirm, text);
    return true;
  }

  const std::vector<RecordedMessage>& all() const { return messages_; }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages_) out.push_back(m.text);
    return out;
  }
  bool empty() const { return messages_.empty(); }
  void clear() { messages_.clear(); }

 private:
  void add(RecordedMessage::Kind kind, const std::string& text) {
    messages_.push_back({kind, text});
  }
  std::vector<RecordedMessage> messages_;
};

// What read(hive) finds in an operation of its own on the hive, as another run would see it.
template <typename Read>
auto ReadHive(SettingsHive& hive, Read read) {
  SettingsMessages quiet;
  hive.begin(quiet);
  auto found = read(hive);
  std::string failure;
  hive.finish(failure);
  return found;
}

// The value name of key; none when either is missing.
inline std::optional<HiveValue> StoredValue(SettingsHive& hive, const std::string& key,
                                            const std::string& name) {
  return ReadHive(hive, [&](SettingsHive& h) {
    const auto k = h.openKey(key);
    return k ? k->queryValue(name) : std::nullopt;
  });
}

inline bool StoredKeyExists(SettingsHive& hive, const std::string& key) {
  return ReadHive(hive, [&](SettingsHive& h) { return h.openKey(key) != nullptr; });
}

// Stores the value directly, as another run (or the user with an editor) would have.
inline void StoreValue(SettingsHive& hive, const std::string& key, const std::string& name,
                       const HiveValue& value) {
  SettingsMessages quiet;
  hive.begin(quiet);
  const auto k = hive.createKey(key);
  ASSERT_NE(k, nullptr);
  ASSERT_TRUE(k->setValue(name, value));
  std::string failure;
  ASSERT_TRUE(hive.finish(failure)) << failure;
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace qorl::settings_test
