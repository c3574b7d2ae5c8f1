// SPDX-License-Identifier: MIT
#include "core/settings/settings_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "core/settings/hive_file.h"
#include "core/support/settings_fixtures.h"

namespace qorl {
namespace {

using settings_test::ReadHive;
using settings_test::RecordedMessage;
using settings_test::SettingsMessages;
using settings_test::SettingsTempFolder;
using settings_test::StoredKeyExists;
using settings_test::StoredValue;
using settings_test::StoreValue;
using settings_test::WriteWholeFile;

constexpr ScreenSize kScreen{1024, 768};
const std::string kLayout = "Software\\Halvex\\Qorl Viewer\\2\\Layout";
const std::string kConfig = "Software\\Halvex\\Qorl Viewer\\2\\Config";

std::string RealBytes(double d) {
  std::string bytes(8, '\0');
  const auto bits = std::bit_cast<std::uint64_t>(d);
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  return bytes;
}

std::string RectBytes(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
  std::string bytes;
  for (std::int32_t v : {l, t, r, b}) {
    for (int i = 0; i < 4; ++i) {
      bytes.push_back(static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF));
    }
  }
  return bytes;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  void Put(const std::string& key, const std::string& name, const HiveValue& value) {
    StoreValue(hive, key, name, value);
  }
  std::optional<HiveValue> Get(const std::string& key, const std::string& name) {
    return StoredValue(hive, key, name);
  }
  bool KeyExists(const std::string& key) { return StoredKeyExists(hive, key); }
  std::vector<std::string> ValueNames(const std::string& key) {
    return ReadHive(hive, [&](SettingsHive& h) {
      const auto k = h.openKey(key);
      return k ? k->valueNames() : std::vector<std::string>{};
    });
  }

  SettingsTempFolder temp;
  HiveFile hive{temp.file("config/Halvex/Qorl Viewer.reg")};
  SettingsMessages messages;
};

TEST_F(SettingsStoreTest, FirstRunGivesTheDefaultsAndWritesNothing) {
  const WindowPlacement placement = LoadWindowPlacement(hive, 2, kScreen, messages);
  EXPECT_TRUE(placement.maximized());
  EXPECT_EQ(placement.rect, (WindowRect{50, 50, 974, 718}));

  LayoutValues layout;
  ConfigRecord config;
  LoadSettings(hive, 2, layout, config, messages);
  EXPECT_EQ(layout, LayoutValues{});
  EXPECT_EQ(config, ConfigRecord{});
  EXPECT_EQ(config.topicFontName, "MS Sans Serif");
  EXPECT_EQ(config.topicFontSize, 8);
  EXPECT_EQ(config.TopicsHeightPerc, 0.5);
  EXPECT_EQ(config.TopicsColWidth, 140);
  EXPECT_EQ(WithStoredValues(LayoutState{}, layout), LayoutState{});
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(hive.writeCount(), 0u);
  EXPECT_FALSE(std::filesystem::exists(hive.path()));
}

TEST_F(SettingsStoreTest, SavedValuesComeBackInTheirOrderWithOneWrite) {
  ConfigRecord config;
  config.DefStartupDir = "/srv/lists \"new\"\\";
  config.DefStartupList = "/srv/lists/INTERRUP.LST";
  config.AskExit = true;
  config.ShowPrintDialog = false;
  config.SingleClickView = false;
  config.DoubleClickZoom = true;
  config.DontUseIndexFile = true;
  config.ReloadLastOpenList = true;
  config.TopicFormatting = false;
  config.WYSIWYGPrint = true;
  config.EnabledSeeAlsoMenu = false;
  config.LoadTopicsDirect = true;
  config.DisplayAllLists = true;
  config.ShowCategoryChar = false;
  config.OnlyParseLST = false;
  config.topicFontName = "Courier New";
  config.topicFontSize = 11;
  config.TopicsHeightPerc = 0.3125;
  config.TopicsColWidth = 99;
  LayoutState layout{400, 1, false, 210, true, false, false, false, false};
  const WindowPlacement window{WindowRect{-10, 20, 630, 500}, kWindowNormal};

  SaveSettings(hive, 2, window, layout, config, messages);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(hive.writeCount(), 1u);

  EXPECT_EQ(
      ValueNames(kLayout),
      (std::vector<std::string>{
          "WindowState", "BoundsRect", "ToolBarCategories.Width", "CoolBar.Bands[0].ID",
          "CoolBar.Bands[0].Break", "ToolBar.Width", "CoolBar.Bands[1].Break", "ToolBar.Visible",
          "TopicsHeader.Visible", "PanelCurrentTopicHeader.Visible", "StatusBar.Visible",
          "TopicsHeightPerc", "TopicsColWidth", "SearchPanel.Visible", "SearchPanel.Area",
          "SearchPanel.Size", "ReferencedByPanel.Visible", "ReferencedByPanel.Area"}));
  EXPECT_EQ(ValueNames(kConfig),
            (std::vector<std::string>{
                "DefStartupDir", "DefStartupList", "AskExit", "ShowPrintDialog", "SingleClickView",
                "DoubleClickZoom", "DontUseIndexFile", "ReloadLastOpenList", "TopicFormatting",
                "WYSIWYGPrint", "EnabledSeeAlsoMenu", "LoadTopicsDirect", "DisplayAllLists",
                "ShowCategoryChar", "OnlyParseLST", "CurrentTopic.Font.Name",
                "CurrentTopic.Font.Size", "FollowAllReferences"}));
  EXPECT_EQ(Get(kLayout, "TopicsHeightPerc"), HiveValue::binary(RealBytes(0.3125)));
  EXPECT_EQ(Get(kLayout, "BoundsRect"), HiveValue::binary(RectBytes(-10, 20, 630, 500)));
  EXPECT_EQ(Get(kConfig, "AskExit"), HiveValue::dword(1));
  EXPECT_EQ(Get(kConfig, "OnlyParseLST"), HiveValue::dword(0));

  HiveFile reopened(hive.path());
  const WindowPlacement placement = LoadWindowPlacement(reopened, 2, kScreen, messages);
  EXPECT_EQ(placement, window);
  EXPECT_FALSE(placement.maximized());
  LayoutValues readLayout;
  ConfigRecord readConfig;
  LoadSettings(reopened, 2, readLayout, readConfig, messages);
  EXPECT_EQ(readConfig, config);
  EXPECT_EQ(WithStoredValues(LayoutState{}, readLayout), layout);
  EXPECT_TRUE(messages.empty());
}

TEST_F(SettingsStoreTest, ClosingMaximizedKeepsTheEarlierNormalRectangle) {
  SaveSettings(hive, 2, WindowPlacement{WindowRect{10, 20, 810, 620}, kWindowNormal}, LayoutState{},
               ConfigRecord{}, messages);
  SaveSettings(hive, 2, WindowPlacement{WindowRect{0, 0, 1024, 768}, kWindowMaximized},
               LayoutState{}, ConfigRecord{}, messages);
  EXPECT_EQ(Get(kLayout, "WindowState"), HiveValue::dword(2));
  const WindowPlacement placement = LoadWindowPlacement(hive, 2, kScreen, messages);
  EXPECT_TRUE(placement.maximized());
  EXPECT_EQ(placement.rect, (WindowRect{10, 20, 810, 620}));
  EXPECT_TRUE(messages.empty());
}

TEST_F(SettingsStoreTest, EdgesBeyondASmallerScreenArePulledBack) {
  Put(kLayout, "BoundsRect", HiveValue::binary(RectBytes(1500, 900, 1900, 1000)));
  Put(kLayout, "WindowState", HiveValue::dword(0));
  EXPECT_EQ(LoadWindowPlacement(hive, 2, kScreen, messages).rect,
            (WindowRect{974, 718, 1900, 1000}));
  // Only an edge strictly beyond the screen moves.
  Put(kLayout, "BoundsRect", HiveValue::binary(RectBytes(1024, 768, 1100, 800)));
  EXPECT_EQ(LoadWindowPlacement(hive, 2, kScreen, messages).rect,
            (WindowRect{1024, 768, 1100, 800}));
  Put(kLayout, "BoundsRect", HiveValue::binary(RectBytes(1025, 100, 1100, 800)));
  EXPECT_EQ(LoadWindowPlacement(hive, 2, kScreen, messages).rect,
            (WindowRect{974, 100, 1100, 800}));
  EXPECT_TRUE(messages.empty());
  // Edges far apart give the largest size instead of a wrapped-around negative one.
  const WindowRect wide{-2000000000, 2000000000, 2000000000, -2000000000};
  EXPECT_EQ(wide.width(), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(wide.height(), std::numeric_limits<std::int32_t>::min());
}

TEST_F(SettingsStoreTest, MinimizedAndOtherStatesStartNormalAtTheStoredRectangle) {
  Put(kLayout, "BoundsRect", HiveValue::binary(RectBytes(5, 6, 500, 400)));
  for (std::uint32_t state : {0u, 1u, 3u, 0xFFFFFFFFu}) {
    Put(kLayout, "WindowState", HiveValue::dword(state));
    const WindowPlacement placement = LoadWindowPlacement(hive, 2, kScreen, messages);
    EXPECT_FALSE(placement.maximized()) << state;
    EXPECT_EQ(placement.rect, (WindowRect{5, 6, 500, 400}));
  }
  // Without a rectangle the default one is used with the stored state.
  ClearSettings(hive, 2, messages);
  Put(kLayout, "WindowState", HiveValue::dword(1));
  EXPECT_EQ(LoadWindowPlacement(hive, 2, kScreen, messages),
            (WindowPlacement{WindowRect{50, 50, 974, 718}, 1}));
}

TEST_F(SettingsStoreTest, OnlyStoredValuesChangeTheRecord) {
  Put(kConfig, "CurrentTopic.Font.Name", HiveValue::string("Lucida Console"));
  Put(kLayout, "ToolBar.Visible", HiveValue::dword(0));
  ConfigRecord config;
  config.LoadTopicsDirect = true;  // as an index word of the command line set it
  LayoutValues layout;
  LoadSettings(hive, 2, layout, config, messages);
  EXPECT_EQ(config.topicFontName, "Lucida Console");
  EXPECT_EQ(config.topicFontSize, 8);
  EXPECT_TRUE(config.LoadTopicsDirect);
  EXPECT_EQ(layout.toolBarVisible, false);
  EXPECT_EQ(layout.statusBarVisible, std::nullopt);
  EXPECT_EQ(layout.firstBandId, std::nullopt);
  EXPECT_TRUE(messages.empty());
}

TEST_F(SettingsStoreTest, AnyNonZeroBooleanIsTrueAndWrittenBackAsOne) {
  Put(kConfig, "AskExit", HiveValue::dword(5));
  Put(kLayout, "StatusBar.Visible", HiveValue::dword(0x80000000u));
  ConfigRecord config;
  LayoutValues layout;
  LoadSettings(hive, 2, layout, config, messages);
  EXPECT_TRUE(config.AskExit);
  EXPECT_EQ(layout.statusBarVisible, true);
  SaveSettings(hive, 2, WindowPlacement{}, WithStoredValues(LayoutState{}, layout), config,
               messages);
  EXPECT_EQ(Get(kConfig, "AskExit"), HiveValue::dword(1));
  EXPECT_EQ(Get(kLayout, "StatusBar.Visible"), HiveValue::dword(1));
}

TEST_F(SettingsStoreTest, ValuesAreTakenAsStored) {
  Put(kConfig, "CurrentTopic.Font.Size", HiveValue::dword(0xFFFFFFFFu));
  Put(kConfig, "DefStartupDir", HiveValue::expandString("%HOME%/lists"));
  Put(kLayout, "TopicsHeightPerc", HiveValue::binary(RealBytes(7.5)));
  Put(kLayout, "ToolBar.Width", HiveValue::dword(static_cast<std::uint32_t>(-20)));
  ConfigRecord config;
  LayoutValues layout;
  LoadSettings(hive, 2, layout, config, messages);
  EXPECT_EQ(config.topicFontSize, -1);
  EXPECT_EQ(config.DefStartupDir, "%HOME%/lists");  // no expansion
  EXPECT_EQ(config.TopicsHeightPerc, 7.5);
  EXPECT_EQ(layout.toolBarWidth, -20);
  EXPECT_TRUE(messages.empty());
}

// A text ends at its first zero, as the system's string readers take it; the value stays whole.
TEST_F(SettingsStoreTest, TextsEndAtTheirFirstZero) {
  const std::string list("/lists/CMOS.LST\0junk", 20);
  Put(kConfig, "DefStartupList", HiveValue::string(list));
  Put(kConfig, "DefStartupDir", HiveValue::expandString(std::string("/lists\0\0", 8)));
  Put(kConfig, "CurrentTopic.Font.Name", HiveValue::string(std::string("Courier\0New", 11)));
  ConfigRecord config;
  LayoutValues layout;
  LoadSettings(hive, 2, layout, config, messages);
  EXPECT_EQ(config.DefStartupList, "/lists/CMOS.LST");
  EXPECT_EQ(config.DefStartupDir, "/lists");
  EXPECT_EQ(config.topicFontName, "Courier");
  EXPECT_EQ(Get(kConfig, "DefStartupList"), HiveValue::string(list));
}

TEST_F(SettingsStoreTest, WrongTypesAreReportedOnceEachAndReadingGoesOn) {
  Put(kLayout, "ToolBarCategories.Width", HiveValue::string("326"));
  Put(kLayout, "ToolBar.Width", HiveValue::dword(250));
  Put(kLayout, "TopicsHeightPerc", HiveValue::binary("\x00\x00\x00\x3f"));  // 4 bytes
  Put(kLayout, "TopicsColWidth", HiveValue::dword(77));
  Put(kConfig, "DefStartupDir", HiveValue::dword(1));
  Put(kConfig, "DefStartupList", HiveValue::string("/x/MEMORY.LST"));
  Put(kConfig, "AskExit", HiveValue::string("1"));
  Put(kConfig, "ShowPrintDialog", HiveValue{HiveValueType::Binary, std::string(4, '\0')});
  Put(kConfig, "SingleClickView", HiveValue{HiveValueType::Dword, std::string(8, '\1')});
  Put(kConfig, "CurrentTopic.Font.Size", HiveValue::binary(RealBytes(9)));
  Put(kConfig, "CurrentTopic.Font.Name", HiveValue::string("Fixedsys"));
  ConfigRecord config;
  LayoutValues layout;
  LoadSettings(hive, 2, layout, config, messages);

  EXPECT_EQ(messages.texts(), (std::vector<std::string>{
                                  "Invalid data type for 'ToolBarCategories.Width'",
                                  "Invalid data type for 'TopicsHeightPerc'",
                                  "Invalid data type for 'DefStartupDir'",
                                  "Invalid data type for 'AskExit'",
                                  "Invalid data type for 'ShowPrintDialog'",
                                  "Invalid data type for 'SingleClickView'",
                                  "Invalid data type for 'CurrentTopic.Font.Size'",
                              }));
  for (const auto& m : messages.all()) EXPECT_EQ(m.kind, RecordedMessage::Kind::Error);
  EXPECT_EQ(layout.toolBarCategoriesWidth, std::nullopt);
  EXPECT_EQ(layout.toolBarWidth, 250);
  EXPECT_EQ(config.TopicsHeightPerc, 0.5);
  EXPECT_EQ(config.TopicsColWidth, 77);
  EXPECT_EQ(config.DefStartupDir, "");
  EXPECT_EQ(config.DefStartupList, "/x/MEMORY.LST");
  EXPECT_FALSE(config.AskExit);
  EXPECT_TRUE(config.ShowPrintDialog);
  EXPECT_EQ(config.topicFontSize, 8);
  EXPECT_EQ(config.topicFontName, "Fixedsys");
}

TEST_F(SettingsStoreTest, NonFiniteRealsAreRejected) {
  for (double bad :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    messages.clear();
    Put(kLayout, "TopicsHeightPerc", HiveValue::binary(RealBytes(bad)));
    ConfigRecord config;
    LayoutValues layout;
    LoadSettings(hive, 2, layout, config, messages);
    EXPECT_EQ(config.TopicsHeightPerc, 0.5);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Invalid data type for 'TopicsHeightPerc'"});
  }
}

TEST_F(SettingsStoreTest, ABoundsRectOfAnotherSizeIsReportedAndTheDefaultUsed) {
  for (const std::string& bytes :
       {RectBytes(1, 2, 3, 4).substr(0, 12), RectBytes(1, 2, 3, 4) + "extra", std::string()}) {
    messages.clear();
    Put(kLayout, "BoundsRect", HiveValue::binary(bytes));
    Put(kLayout, "WindowState", HiveValue::dword(0));
    const WindowPlacement placement = LoadWindowPlacement(hive, 2, kScreen, messages);
    EXPECT_EQ(placement, (WindowPlacement{WindowRect{50, 50, 974, 718}, 0})) << bytes.size();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Invalid data type for 'BoundsRect'"});
  }
  messages.clear();
  Put(kLayout, "BoundsRect", HiveValue::string("1,2,3,4"));
  Put(kLayout, "WindowState", HiveValue::string("0"));
  EXPECT_TRUE(LoadWindowPlacement(hive, 2, kScreen, messages).maximized());
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Invalid data type for 'BoundsRect'",
                                                        "Invalid data type for 'WindowState'"}));
}

// A hive that refuses to set some values, as a registry denying access would.
class RefusingHive final : public SettingsHive {
 public:
  RefusingHive(SettingsHive& inner, std::set<std::string> refused)
      : inner_(inner), refused_(std::move(refused)) {}
  void begin(MessageService& messages) override { inner_.begin(messages); }
  bool finish(std::string& failure) override { return inner_.finish(failure); }
  std::unique_ptr<HiveKey> openKey(const std::string& path) override {
    return inner_.openKey(path);
  }
  std::unique_ptr<HiveKey> createKey(const std::string& path) override {
    if (refused_.count(path)) return nullptr;
    auto key = inner_.createKey(path);
    return key ? std::make_unique<Key>(std::move(key), refused_) : nullptr;
  }
  bool deleteKeyTree(const std::string& path) override { return inner_.deleteKeyTree(path); }

 private:
  class Key final : public HiveKey {
   public:
    Key(std::unique_ptr<HiveKey> inner, const std::set<std::string>& refused)
        : inner_(std::move(inner)), refused_(refused) {}
    std::optional<HiveValue> queryValue(const std::string& n) const override {
      return inner_->queryValue(n);
    }
    bool setValue(const std::string& n, const HiveValue& v) override {
      return !refused_.count(n) && inner_->setValue(n, v);
    }
    std::vector<std::string> subKeyNames() const override { return inner_->subKeyNames(); }
    std::vector<std::string> valueNames() const override { return inner_->valueNames(); }

   private:
    std::unique_ptr<HiveKey> inner_;
    const std::set<std::string>& refused_;
  };

  SettingsHive& inner_;
  std::set<std::string> refused_;
};

TEST_F(SettingsStoreTest, AFailedValueIsReportedOnceAndTheRestStillWritten) {
  RefusingHive refusing(hive, {"ToolBar.Width", "AskExit"});
  ConfigRecord config;
  config.topicFontSize = 12;
  SaveSettings(refusing, 2, WindowPlacement{}, LayoutState{}, config, messages);
  ASSERT_EQ(messages.all().size(), 1u);
  EXPECT_EQ(messages.all()[0].text, "Failed to set data for 'ToolBar.Width'");
  EXPECT_EQ(messages.all()[0].kind, RecordedMessage::Kind::Error);
  EXPECT_EQ(Get(kLayout, "ToolBar.Width"), std::nullopt);
  EXPECT_EQ(Get(kLayout, "TopicsColWidth"), HiveValue::dword(140));
  EXPECT_EQ(Get(kConfig, "AskExit"), std::nullopt);
  EXPECT_EQ(Get(kConfig, "CurrentTopic.Font.Size"), HiveValue::dword(12));
}

TEST_F(SettingsStoreTest, AKeyThatCannotBeCreatedFailsItsFirstValue) {
  RefusingHive refusing(hive, {kLayout});
  SaveSettings(refusing, 2, WindowPlacement{}, LayoutState{}, ConfigRecord{}, messages);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Failed to set data for 'WindowState'"});
  EXPECT_EQ(Get(kConfig, "OnlyParseLST"), HiveValue::dword(1));
}

TEST_F(SettingsStoreTest, AnUnwritableHiveFileIsReportedOnce) {
  WriteWholeFile(temp.file("blocker"), "");
  HiveFile blocked(temp.file("blocker/Qorl Viewer.reg"));
  SaveSettings(blocked, 2, WindowPlacement{}, LayoutState{}, ConfigRecord{}, messages);
  ASSERT_EQ(messages.all().size(), 1u);
  EXPECT_EQ(messages.all()[0].kind, RecordedMessage::Kind::Error);
  EXPECT_NE(messages.all()[0].text.find("Unable to write the settings file"), std::string::npos);
  EXPECT_EQ(blocked.writeCount(), 1u);
}

TEST_F(SettingsStoreTest, ACorruptHiveFileStartsFromDefaultsAndIsKeptAside) {
  std::filesystem::create_directories(std::filesystem::path(hive.path()).parent_path());
  WriteWholeFile(hive.path(), "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A\n");
  EXPECT_TRUE(LoadWindowPlacement(hive, 2, kScreen, messages).maximized());
  ConfigRecord config;
  LayoutValues layout;
  LoadSettings(hive, 2, layout, config, messages);
  EXPECT_EQ(config, ConfigRecord{});
  ASSERT_EQ(messages.all().size(), 1u);
  EXPECT_EQ(messages.all()[0].kind, RecordedMessage::Kind::Warning);
  EXPECT_TRUE(std::filesystem::exists(hive.path() + ".bad"));
  SaveSettings(hive, 2, WindowPlacement{}, LayoutState{}, config, messages);
  EXPECT_EQ(messages.all().size(), 1u);
  EXPECT_EQ(Get(kConfig, "OnlyParseLST"), HiveValue::dword(1));
}

TEST_F(SettingsStoreTest, OtherMajorVersionsAreNeitherReadWrittenNorCleared) {
  const std::string v1 = "Software\\Halvex\\Qorl Viewer\\1\\Config";
  const std::string v20 = "Software\\Halvex\\Qorl Viewer\\20\\Config";
  Put(v1, "AskExit", HiveValue::dword(1));
  Put(v20, "AskExit", HiveValue::dword(1));
  Put("Software\\Halvex\\Qorl Viewer\\1\\Layout", "WindowState", HiveValue::dword(0));

  ConfigRecord config;
  LayoutValues layout;
  EXPECT_TRUE(LoadWindowPlacement(hive, 2, kScreen, messages).maximized());
  LoadSettings(hive, 2, layout, config, messages);
  EXPECT_FALSE(config.AskExit);

  SaveSettings(hive, 2, WindowPlacement{}, LayoutState{}, config, messages);
  EXPECT_EQ(Get(kConfig, "AskExit"), HiveValue::dword(0));
  EXPECT_EQ(Get(v1, "AskExit"), HiveValue::dword(1));

  ClearSettings(hive, 2, messages);
  EXPECT_FALSE(KeyExists("Software\\Halvex\\Qorl Viewer\\2"));
  EXPECT_TRUE(KeyExists("Software\\Halvex\\Qorl Viewer"));
  EXPECT_EQ(Get(v1, "AskExit"), HiveValue::dword(1));
  EXPECT_EQ(Get("Software\\Halvex\\Qorl Viewer\\1\\Layout", "WindowState"), HiveValue::dword(0));
  EXPECT_EQ(Get(v20, "AskExit"), HiveValue::dword(1));
  EXPECT_TRUE(messages.empty());

  // Clearing again: a missing key is no error and writes nothing.
  const std::size_t writes = hive.writeCount();
  ClearSettings(hive, 2, messages);
  EXPECT_EQ(hive.writeCount(), writes);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace qorl
