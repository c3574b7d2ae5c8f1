// SPDX-License-Identifier: MIT
#include "core/settings/hive_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/support/settings_fixtures.h"

namespace qorl {
namespace {

using settings_test::ReadWholeFile;
using settings_test::SettingsMessages;
using settings_test::SettingsTempFolder;
using settings_test::WriteWholeFile;
namespace fs = std::filesystem;

const std::string kHeader = "Windows Registry Editor Version 5.00\n";

// Runs one writing operation that stores name=value under key.
bool StoreValue(HiveFile& hive, SettingsMessages& messages, const std::string& key,
                const std::string& name, const HiveValue& value, std::string* failure = nullptr) {
  hive.begin(messages);
  auto k = hive.createKey(key);
  EXPECT_NE(k, nullptr);
  if (k) {
    EXPECT_TRUE(k->setValue(name, value));
  }
  std::string reason;
  const bool ok = hive.finish(reason);
  if (failure) *failure = reason;
  return ok;
}

TEST(HiveFile, WritesIntoNewFoldersAndReadsBack) {
  SettingsTempFolder temp;
  const std::string path = temp.file("a/b/Qorl Viewer.reg");
  SettingsMessages messages;
  HiveFile hive(path);
  ASSERT_TRUE(StoreValue(hive, messages, "Software\\X", "Name", HiveValue::string("v")));
  EXPECT_EQ(hive.writeCount(), 1u);
  // Only the hive file is left in the folder: the temporary file was renamed.
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(temp.path() / "a/b")) ++entries;
  EXPECT_EQ(entries, 1u);

  HiveFile again(path);
  again.begin(messages);
  auto key = again.openKey("software\\x");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->queryValue("NAME"), HiveValue::string("v"));
  EXPECT_EQ(key->valueNames(), std::vector<std::string>{"Name"});
  EXPECT_EQ(again.openKey("Software")->subKeyNames(), std::vector<std::string>{"X"});
  EXPECT_EQ(again.openKey("Software\\Missing"), nullptr);
  std::string failure;
  EXPECT_TRUE(again.finish(failure));
  EXPECT_EQ(again.writeCount(), 0u);  // reading writes nothing
  EXPECT_TRUE(messages.empty());
}

TEST(HiveFile, AnOperationWithoutChangesDoesNotWrite) {
  SettingsTempFolder temp;
  const std::string path = temp.file("hive.reg");
  SettingsMessages messages;
  HiveFile hive(path);
  ASSERT_TRUE(StoreValue(hive, messages, "K", "V", HiveValue::dword(1)));
  ASSERT_TRUE(StoreValue(hive, messages, "K", "V", HiveValue::dword(1)));  // same value again
  EXPECT_EQ(hive.writeCount(), 1u);
  hive.begin(messages);
  EXPECT_FALSE(hive.deleteKeyTree("Missing"));
  std::string failure;
  EXPECT_TRUE(hive.finish(failure));
  EXPECT_EQ(hive.writeCount(), 1u);
}

TEST(HiveFile, KeepsOtherProgramsChangesMadeBetweenOperations) {
  SettingsTempFolder temp;
  const std::string path = temp.file("hive.reg");
  SettingsMessages messages;
  HiveFile first(path);
  HiveFile second(path);
  ASSERT_TRUE(StoreValue(first, messages, "A", "V", HiveValue::dword(1)));
  ASSERT_TRUE(StoreValue(second, messages, "B", "V", HiveValue::dword(2)));
  ASSERT_TRUE(StoreValue(first, messages, "A", "V", HiveValue::dword(3)));
  const std::string text = ReadWholeFile(path);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\A]\n\"V\"=dword:00000003"), std::string::npos);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\B]\n\"V\"=dword:00000002"), std::string::npos);
}

TEST(HiveFile, UnparsableFileIsMovedAsideOnceAndTheHiveStartsEmpty) {
  SettingsTempFolder temp;
  const std::string path = temp.file("Qorl Viewer.reg");
  const std::string garbage = "this is not a hive\n\x01\x02";
  WriteWholeFile(path, garbage);
  WriteWholeFile(path + ".bad", "an older bad file");
  SettingsMessages messages;
  HiveFile hive(path);
  hive.begin(messages);
  EXPECT_EQ(hive.openKey("Software"), nullptr);
  std::string failure;
  EXPECT_TRUE(hive.finish(failure));
  ASSERT_EQ(messages.all().size(), 1u);
  EXPECT_EQ(messages.all()[0].kind, settings_test::RecordedMessage::Kind::Warning);
  EXPECT_NE(messages.all()[0].text.find(path + ".bad2"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(path + ".bad2"), garbage);
  EXPECT_EQ(ReadWholeFile(path + ".bad"), "an older bad file");
  EXPECT_FALSE(fs::exists(path));

  // Later operations neither tell again nor lose the moved file; saving writes a fresh hive.
  ASSERT_TRUE(StoreValue(hive, messages, "K", "V", HiveValue::dword(1)));
  EXPECT_EQ(messages.all().size(), 1u);
  EXPECT_EQ(ReadWholeFile(path + ".bad2"), garbage);
  EXPECT_EQ(ReadWholeFile(path).rfind(kHeader, 0), 0u);
}

TEST(HiveFile, AnEmptyFileIsAnEmptyHive) {
  SettingsTempFolder temp;
  const std::string path = temp.file("hive.reg");
  WriteWholeFile(path, "\n");
  SettingsMessages messages;
  HiveFile hive(path);
  EXPECT_TRUE(StoreValue(hive, messages, "K", "V", HiveValue::dword(1)));
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(std::filesystem::exists(path + ".bad"));
}

TEST(HiveFile, UnreadableFileIsNeverOverwritten) {
  SettingsTempFolder temp;
  // A folder where the file should be: it cannot be read, so it must be left alone.
  const std::string path = temp.file("hive.reg");
  fs::create_directory(path);
  WriteWholeFile(path + "/inside", "kept");
  SettingsMessages messages;
  HiveFile hive(path);
  std::string failure;
  EXPECT_FALSE(StoreValue(hive, messages, "K", "V", HiveValue::dword(1), &failure));
  EXPECT_NE(failure.find("is left unchanged"), std::string::npos) << failure;
  EXPECT_FALSE(StoreValue(hive, messages, "K", "W", HiveValue::dword(2), &failure));
  ASSERT_EQ(messages.all().size(), 1u);  // told once
  EXPECT_NE(messages.all()[0].text.find("could not be read"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(path + "/inside"), "kept");
  EXPECT_EQ(hive.writeCount(), 0u);
}

TEST(HiveFile, WriteFailureIsReportedAndTheChangesStayInMemory) {
  SettingsTempFolder temp;
  // The hive's folder is a regular file, so no folder can be made and nothing can be written
  // (this holds for root too).
  WriteWholeFile(temp.file("blocker"), "x");
  const std::string path = temp.file("blocker/Qorl Viewer.reg");
  SettingsMessages messages;
  HiveFile hive(path);
  std::string failure;
  EXPECT_FALSE(StoreValue(hive, messages, "K", "V", HiveValue::dword(7), &failure));
  EXPECT_EQ(failure.rfind("Unable to write the settings file \"" + path + "\": ", 0), 0u)
      << failure;
  EXPECT_EQ(ReadWholeFile(temp.file("blocker")), "x");

  // The next operation sees the unsaved value instead of re-reading the (absent) file.
  hive.begin(messages);
  auto key = hive.openKey("K");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->queryValue("V"), HiveValue::dword(7));
  EXPECT_FALSE(hive.finish(failure));
  EXPECT_TRUE(messages.empty());  // the hive leaves showing failures to its caller
}

TEST(HiveFile, RejectsNamesThatCannotBeWritten) {
  SettingsTempFolder temp;
  SettingsMessages messages;
  HiveFile hive(temp.file("hive.reg"));
  hive.begin(messages);
  EXPECT_EQ(hive.createKey("A\\\\B"), nullptr);
  EXPECT_EQ(hive.createKey("\\A"), nullptr);
  EXPECT_EQ(hive.createKey("A\nB"), nullptr);
  auto key = hive.createKey("A");
  ASSERT_NE(key, nullptr);
  EXPECT_FALSE(key->setValue("two\nlines", HiveValue::dword(1)));
  // A key deleted while open no longer takes values.
  EXPECT_TRUE(hive.deleteKeyTree("A"));
  EXPECT_FALSE(key->setValue("V", HiveValue::dword(1)));
  EXPECT_EQ(key->queryValue("V"), std::nullopt);
}

#ifdef _WIN32
TEST(HiveFile, LocationFollowsXdgConfigHomeThenHome) {
  GTEST_SKIP() << "on Windows the settings live in the registry, not in a file under HOME";
}
#else
class EnvironmentVariable {
 public:
  explicit EnvironmentVariable(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) saved_ = value;
  }
  ~EnvironmentVariable() {
    if (saved_) {
      ::setenv(name_, saved_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  void set(const std::string& value) { ::setenv(name_, value.c_str(), 1); }
  void unset() { ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(HiveFile, LocationFollowsXdgConfigHomeThenHome) {
  SettingsTempFolder temp;
  EnvironmentVariable xdg("XDG_CONFIG_HOME");
  EnvironmentVariable home("HOME");
  home.set(temp.file("home"));

  xdg.set(temp.file("config"));
  EXPECT_EQ(HiveFilePathFromEnvironment(), temp.file("config") + "/Halvex/Qorl Viewer.reg");
  xdg.set(temp.file("config") + "/");
  EXPECT_EQ(HiveFilePathFromEnvironment(), temp.file("config") + "/Halvex/Qorl Viewer.reg");
  xdg.set("relative/config");  // not absolute: ignored
  EXPECT_EQ(HiveFilePathFromEnvironment(), temp.file("home") + "/.config/Halvex/Qorl Viewer.reg");
  xdg.unset();
  EXPECT_EQ(HiveFilePathFromEnvironment(), temp.file("home") + "/.config/Halvex/Qorl Viewer.reg");
}

#endif  // _WIN32

}  // namespace
}  // namespace qorl
