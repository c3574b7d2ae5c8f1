// SPDX-License-Identifier: MIT
// The settings store over the Windows registry (OpenUserHive on Windows), run under Wine in the
// cross build. The test uses major numbers far from the program's, so a real user's settings
// are never touched, and removes its keys at the end.
#include <gtest/gtest.h>

#include <string>

#include "core/settings/settings_store.h"
#include "core/settings/user_hive.h"
#include "core/support/settings_fixtures.h"

namespace qorl {
namespace {

using settings_test::SettingsMessages;
using settings_test::StoredValue;
using settings_test::StoreValue;

#ifndef _WIN32
TEST(RegistryHive, StoresTypedValuesAndClearsOnlyItsOwnVersion) {
  GTEST_SKIP() << "the registry exists on Windows only (elsewhere the hive file is tested)";
}
#else

constexpr std::int32_t kMajor = 9902;
constexpr std::int32_t kSibling = 9903;

TEST(RegistryHive, StoresTypedValuesAndClearsOnlyItsOwnVersion) {
  const std::unique_ptr<SettingsHive> hive = OpenUserHive();
  SettingsMessages messages;
  ClearSettings(*hive, kMajor, messages);
  const std::string config = SettingsKeyPath(kMajor) + "\\Config";
  const std::string layout = SettingsKeyPath(kMajor) + "\\Layout";
  const std::string sibling = SettingsKeyPath(kSibling) + "\\Config";
  StoreValue(*hive, sibling, "AskExit", HiveValue::dword(7));

  // Created on first save; read back as written, texts beyond ASCII included.
  ConfigRecord saved;
  saved.DefStartupDir = "C:\\Listen \xC3\xBC\xE2\x82\xAC";
  saved.AskExit = true;
  saved.topicFontSize = 12;
  saved.TopicsHeightPerc = 0.25;
  WindowPlacement window;
  window.rect = {10, 20, 610, 420};
  window.state = kWindowNormal;
  SaveSettings(*hive, kMajor, window, LayoutState{}, saved, messages);
  EXPECT_TRUE(messages.empty());
  ConfigRecord loaded;
  LayoutValues values;
  LoadSettings(*hive, kMajor, values, loaded, messages);
  EXPECT_EQ(loaded, saved);
  EXPECT_EQ(LoadWindowPlacement(*hive, kMajor, ScreenSize{1024, 768}, messages), window);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(StoredValue(*hive, config, "AskExit"), HiveValue::dword(1));
  EXPECT_EQ(StoredValue(*hive, config, "DefStartupDir"), HiveValue::string(saved.DefStartupDir));
  EXPECT_EQ(StoredValue(*hive, layout, "TopicsHeightPerc")->type, HiveValueType::Binary);
  // A text holding a zero comes back whole.
  const std::string withZero("find\0me", 7);
  StoreValue(*hive, layout, "Text", HiveValue::string(withZero));
  EXPECT_EQ(StoredValue(*hive, layout, "Text"), HiveValue::string(withZero));

  // An expandable string is read as a string, without expansion; a wrong type is reported.
  StoreValue(*hive, config, "DefStartupList", HiveValue::expandString("%TEMP%\\A.LST"));
  StoreValue(*hive, config, "SingleClickView", HiveValue::string("1"));
  LoadSettings(*hive, kMajor, values, loaded, messages);
  EXPECT_EQ(loaded.DefStartupList, "%TEMP%\\A.LST");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Invalid data type for 'SingleClickView'"});

  // Clearing removes this version's key with its sub-keys and leaves the sibling alone.
  ClearSettings(*hive, kMajor, messages);
  EXPECT_EQ(StoredValue(*hive, config, "AskExit"), std::nullopt);
  EXPECT_EQ(StoredValue(*hive, sibling, "AskExit"), HiveValue::dword(7));
  ClearSettings(*hive, kSibling, messages);
  EXPECT_EQ(StoredValue(*hive, sibling, "AskExit"), std::nullopt);
}

#endif  // _WIN32

}  // namespace
}  // namespace qorl
