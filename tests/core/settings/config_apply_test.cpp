// SPDX-License-Identifier: MIT
#include "core/settings/config_apply.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/support/temp_dir.h"

namespace qorl {
namespace {

const std::string kSeparator(1, static_cast<char>(std::filesystem::path::preferred_separator));

// A file system of named folders and files with a current directory that follows changes.
struct FakeFileSystem {
  std::set<std::string> folders{"/started/", "/lists", "/other"};
  std::set<std::string> files{"/lists/INTERRUP.LST"};
  std::string current = "/start";

  DirectoryAccess access() {
    DirectoryAccess fs;
    fs.isFolder = [this](const std::string& p) { return folders.count(p) > 0; };
    fs.isFile = [this](const std::string& p) { return files.count(p) > 0; };
    fs.changeCurrent = [this](const std::string& p) {
      if (!folders.count(p)) return false;
      current = p;
      return true;
    };
    fs.current = [this] { return current; };
    return fs;
  }
};

// The folder the viewer was started in: an empty or missing lists location means it.
const std::string kStarted = "/started/";

ConfigApplyResult ApplyUnchanged(const ConfigRecord& config, FakeFileSystem& fs) {
  return ApplyDialogValues(DialogValuesFrom(config), config, kStarted, fs.access());
}

TEST(ConfigDialogValues, DefaultsGiveTheFirstShowing) {
  const ConfigDialogValues v = DialogValuesFrom(ConfigRecord{});
  EXPECT_EQ(v.startupList, StartupListChoice::None);
  EXPECT_EQ(v.customList, "");
  EXPECT_EQ(v.index, IndexChoice::UseAndUpdate);
  EXPECT_FALSE(v.wysiwygPrint);
  // The view starts with the window's font, so the default font box is off.
  EXPECT_FALSE(v.useDefaultFont);
  EXPECT_EQ(v.fontName, "MS Sans Serif");
  EXPECT_EQ(v.fontSize, 8);
}

TEST(ConfigDialogValues, StartupChoiceIndexChoiceAndDefaultFont) {
  ConfigRecord c;
  c.ReloadLastOpenList = true;
  c.DefStartupList = "/lists/INTERRUP.LST";
  c.DontUseIndexFile = true;
  c.topicFontName = "Courier New";
  EXPECT_EQ(DialogValuesFrom(c).startupList, StartupListChoice::LastOpened);
  EXPECT_EQ(DialogValuesFrom(c).customList, "");
  EXPECT_EQ(DialogValuesFrom(c).index, IndexChoice::UseExisting);
  EXPECT_TRUE(DialogValuesFrom(c).useDefaultFont);
  c.ReloadLastOpenList = false;
  c.LoadTopicsDirect = true;
  c.topicFontName = "courier new";  // the comparison is exact
  EXPECT_EQ(DialogValuesFrom(c).startupList, StartupListChoice::Custom);
  EXPECT_EQ(DialogValuesFrom(c).customList, "/lists/INTERRUP.LST");
  EXPECT_EQ(DialogValuesFrom(c).index, IndexChoice::DontUse);
  EXPECT_FALSE(DialogValuesFrom(c).useDefaultFont);
  c.topicFontName = "Courier New";
  c.topicFontSize = 9;
  EXPECT_FALSE(DialogValuesFrom(c).useDefaultFont);
}

TEST(ConfigApply, UnchangedNeedsNothingButStillEntersTheStartFolder) {
  FakeFileSystem fs;
  const ConfigRecord c;
  const ConfigApplyResult r = ApplyUnchanged(c, fs);
  EXPECT_EQ(r.effects, ConfigEffects{});
  EXPECT_EQ(r.config, c);
  EXPECT_EQ(fs.current, "/started/");
  EXPECT_EQ(r.listsFolder, "/started/");
}

TEST(ConfigApply, UnchangedWithEveryOptionTurnedNeedsNothing) {
  FakeFileSystem fs;
  ConfigRecord c;
  c.DefStartupDir = "/lists";
  c.DefStartupList = "/lists/INTERRUP.LST";
  c.AskExit = c.DisplayAllLists = c.WYSIWYGPrint = c.DoubleClickZoom = true;
  c.ShowCategoryChar = c.TopicFormatting = c.EnabledSeeAlsoMenu = c.OnlyParseLST = false;
  c.LoadTopicsDirect = true;
  c.topicFontName = "Courier New";
  const ConfigApplyResult r = ApplyUnchanged(c, fs);
  EXPECT_EQ(r.effects, ConfigEffects{});
  EXPECT_EQ(r.config, c);
  EXPECT_EQ(r.listsFolder, "/lists" + kSeparator);  // the system's separator is added
}

TEST(ConfigApply, MissingFolderEmptiesTheSettingAndRebuildsOnlyIfItWasSet) {
  FakeFileSystem fs;
  ConfigRecord c;
  c.DefStartupDir = "/lists";
  ConfigDialogValues v = DialogValuesFrom(c);
  v.defStartupDir = "/gone";
  ConfigApplyResult r = ApplyDialogValues(v, c, kStarted, fs.access());
  EXPECT_EQ(r.config.DefStartupDir, "");
  EXPECT_EQ(fs.current, "/started/");
  EXPECT_EQ(r.listsFolder, "/started/");
  EXPECT_EQ(r.effects, (ConfigEffects{true, false, false}));

  c.DefStartupDir.clear();
  r = ApplyDialogValues(v, c, kStarted, fs.access());
  EXPECT_EQ(r.effects, ConfigEffects{});
}

TEST(ConfigApply, NewFolderBecomesCurrentAsTheSystemReportsIt) {
  FakeFileSystem fs;
  fs.folders.insert("rel");
  ConfigRecord c;
  ConfigDialogValues v = DialogValuesFrom(c);
  v.defStartupDir = "rel";
  DirectoryAccess access = fs.access();
  access.changeCurrent = [&fs](const std::string&) {
    fs.current = "/start/rel";
    return true;
  };
  const ConfigApplyResult r = ApplyDialogValues(v, c, kStarted, access);
  EXPECT_EQ(r.config.DefStartupDir, "/start/rel");
  EXPECT_EQ(r.listsFolder, "/start/rel" + kSeparator);
  EXPECT_TRUE(r.effects.rebuildListMenu);
}

TEST(ConfigApply, FolderThatCannotBeEnteredCountsAsMissing) {
  FakeFileSystem fs;
  ConfigRecord c;
  ConfigDialogValues v = DialogValuesFrom(c);
  v.defStartupDir = "/locked";
  fs.folders.insert("/locked");
  DirectoryAccess access = fs.access();
  access.changeCurrent = [&fs](const std::string& p) {
    if (p == "/locked") return false;
    fs.current = p;
    return true;
  };
  const ConfigApplyResult r = ApplyDialogValues(v, c, kStarted, access);
  EXPECT_EQ(r.config.DefStartupDir, "");
  EXPECT_EQ(fs.current, "/started/");
}

TEST(ConfigApply, StartupListChoices) {
  FakeFileSystem fs;
  ConfigRecord c;
  ConfigDialogValues v = DialogValuesFrom(c);
  v.customList = "/lists/INTERRUP.LST";

  v.startupList = StartupListChoice::LastOpened;  // the custom text is not stored
  ConfigApplyResult r = ApplyDialogValues(v, c, kStarted, fs.access());
  EXPECT_TRUE(r.config.ReloadLastOpenList);
  EXPECT_EQ(r.config.DefStartupList, "");

  v.startupList = StartupListChoice::Custom;
  r = ApplyDialogValues(v, c, kStarted, fs.access());
  EXPECT_FALSE(r.config.ReloadLastOpenList);
  EXPECT_EQ(r.config.DefStartupList, "/lists/INTERRUP.LST");
  EXPECT_EQ(DialogValuesFrom(r.config).startupList, StartupListChoice::Custom);

  v.customList = "/lists/MISSING.LST";  // dropped without a message
  r = ApplyDialogValues(v, c, kStarted, fs.access());
  EXPECT_EQ(r.config.DefStartupList, "");
  EXPECT_EQ(DialogValuesFrom(r.config).startupList, StartupListChoice::None);

  c.DefStartupList = "/lists/INTERRUP.LST";
  v.startupList = StartupListChoice::None;
  r = ApplyDialogValues(v, c, kStarted, fs.access());
  EXPECT_EQ(r.config.DefStartupList, "");
  EXPECT_EQ(r.effects, ConfigEffects{});
}

TEST(ConfigApply, EffectsOfSingleChanges) {
  FakeFileSystem fs;
  const ConfigRecord c;
  const ConfigDialogValues base = DialogValuesFrom(c);
  const auto effectsOf = [&](auto change) {
    ConfigDialogValues v = base;
    change(v);
    return ApplyDialogValues(v, c, kStarted, fs.access()).effects;
  };
  EXPECT_EQ(effectsOf([](ConfigDialogValues& v) { v.showCategoryChar = false; }),
            (ConfigEffects{false, true, false}));
  EXPECT_EQ(effectsOf([](ConfigDialogValues& v) { v.enableSeeAlsoMenu = false; }),
            (ConfigEffects{false, false, true}));
  EXPECT_EQ(effectsOf([](ConfigDialogValues& v) { v.topicFormatting = false; }),
            (ConfigEffects{false, false, true}));
  EXPECT_EQ(effectsOf([](ConfigDialogValues& v) { v.displayAllLists = true; }),
            (ConfigEffects{true, false, false}));
  EXPECT_EQ(effectsOf([](ConfigDialogValues& v) { v.useDefaultFont = true; }),
            (ConfigEffects{false, true, true}));
  EXPECT_EQ(effectsOf([](ConfigDialogValues& v) { v.fontSize = 12; }),
            (ConfigEffects{false, true, true}));
  // Settings used next time need nothing now.
  for (auto change : {+[](ConfigDialogValues& v) { v.askExit = true; },
                      +[](ConfigDialogValues& v) { v.showPrintDialog = false; },
                      +[](ConfigDialogValues& v) { v.singleClickView = false; },
                      +[](ConfigDialogValues& v) { v.doubleClickZoom = true; },
                      +[](ConfigDialogValues& v) { v.wysiwygPrint = true; },
                      +[](ConfigDialogValues& v) { v.onlyParseLst = false; },
                      +[](ConfigDialogValues& v) { v.index = IndexChoice::UseExisting; }})
    EXPECT_EQ(effectsOf(change), ConfigEffects{});
}

TEST(ConfigApply, StoresEverySettingAndTheIndexPolicy) {
  FakeFileSystem fs;
  const ConfigRecord c;
  ConfigDialogValues v = DialogValuesFrom(c);
  v.askExit = v.doubleClickZoom = v.wysiwygPrint = v.displayAllLists = true;
  v.showPrintDialog = v.singleClickView = v.onlyParseLst = false;
  v.index = IndexChoice::DontUse;
  ConfigApplyResult r = ApplyDialogValues(v, c, kStarted, fs.access());
  EXPECT_TRUE(r.config.AskExit && r.config.DoubleClickZoom && r.config.WYSIWYGPrint &&
              r.config.DisplayAllLists);
  EXPECT_FALSE(r.config.ShowPrintDialog || r.config.SingleClickView || r.config.OnlyParseLST);
  EXPECT_TRUE(r.config.LoadTopicsDirect);
  EXPECT_FALSE(r.config.DontUseIndexFile);
  // Never both set.
  v.index = IndexChoice::UseExisting;
  r = ApplyDialogValues(v, r.config, kStarted, fs.access());
  EXPECT_TRUE(r.config.DontUseIndexFile);
  EXPECT_FALSE(r.config.LoadTopicsDirect);
}

TEST(ConfigApply, DefaultFontWinsOverThePendingFont) {
  FakeFileSystem fs;
  const ConfigRecord c;
  ConfigDialogValues v = DialogValuesFrom(c);
  v.fontName = "Arial";
  v.fontSize = 14;
  v.useDefaultFont = true;
  ConfigApplyResult r = ApplyDialogValues(v, c, kStarted, fs.access());
  EXPECT_EQ(r.config.topicFontName, "Courier New");
  EXPECT_EQ(r.config.topicFontSize, 8);
  EXPECT_TRUE(DialogValuesFrom(r.config).useDefaultFont);
  // Pressing Ok again with the box on changes nothing.
  r = ApplyUnchanged(r.config, fs);
  EXPECT_EQ(r.effects, ConfigEffects{});
}

TEST(ConfigApplySystem, RealFoldersAndCurrentDirectory) {
  const std::filesystem::path before = std::filesystem::current_path();
  test::TempDir lists;
  test::TempDir started;
  const std::string list = lists.write("PORTS.LST", "x");
  ConfigRecord c;
  ConfigDialogValues v = DialogValuesFrom(c);
  v.defStartupDir = lists.path();
  v.startupList = StartupListChoice::Custom;
  v.customList = list;
  const std::string startFolder = WithTrailingSeparator(started.path());
  ConfigApplyResult r = ApplyDialogValues(v, c, startFolder, SystemDirectories());
  EXPECT_EQ(std::filesystem::path(r.config.DefStartupDir),
            std::filesystem::canonical(lists.path()));
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(lists.path()));
  EXPECT_EQ(r.listsFolder, WithTrailingSeparator(r.config.DefStartupDir));
  EXPECT_EQ(r.config.DefStartupList, list);

  v.defStartupDir = list;  // a file is no folder
  r = ApplyDialogValues(v, r.config, startFolder, SystemDirectories());
  EXPECT_EQ(r.config.DefStartupDir, "");
  EXPECT_TRUE(r.effects.rebuildListMenu);
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(started.path()));
  std::filesystem::current_path(before);
}

TEST(ConfigApplySystem, TrailingSeparatorAddedOnce) {
  EXPECT_EQ(WithTrailingSeparator("a"), "a" + kSeparator);
  EXPECT_EQ(WithTrailingSeparator("a" + kSeparator), "a" + kSeparator);
  EXPECT_EQ(WithTrailingSeparator(""), kSeparator);
}

}  // namespace
}  // namespace qorl
