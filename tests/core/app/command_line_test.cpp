// SPDX-License-Identifier: MIT
#include "core/app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/hive_file.h"
#include "core/support/settings_fixtures.h"

namespace qorl {
namespace {

using settings_test::SettingsMessages;
using settings_test::SettingsTempFolder;
using settings_test::StoredKeyExists;

constexpr ScreenSize kScreen{800, 600};

// One run of the program as far as the store is concerned: the words, then the placement and
// the settings, and at exit the settings written unless the run forbids it.
struct ProgramRun {
  CommandLineResult result;
  RunState state;
  ConfigRecord config;
  LayoutValues layout;
  WindowPlacement placement;
};

class CommandLineTest : public ::testing::Test {
 protected:
  CommandLineResult Parse(const std::vector<std::string>& args) {
    return ParseCommandLine(args, config, run, hive, 2, messages);
  }

  ProgramRun Start(const std::vector<std::string>& args) {
    ProgramRun r;
    r.result = ParseCommandLine(args, r.config, r.state, hive, 2, messages);
    r.placement = LoadWindowPlacement(hive, 2, kScreen, messages);
    LoadSettings(hive, 2, r.layout, r.config, messages);
    return r;
  }

  void Exit(const ProgramRun& r, const WindowPlacement& window) {
    if (r.state.noSave || r.state.quitRequested) return;
    SaveSettings(hive, 2, window, WithStoredValues(LayoutState{}, r.layout), r.config, messages);
  }

  bool SettingsKeyExists() { return StoredKeyExists(hive, SettingsKeyPath(2)); }

  SettingsTempFolder temp;
  HiveFile hive{temp.file("Qorl Viewer.reg")};
  SettingsMessages messages;
  ConfigRecord config;
  RunState run;
};

TEST_F(CommandLineTest, QuitInAnyCaseWithAPrefix) {
  for (const char* word : {"/quit", "-Quit", "/QUIT", "-qUiT"}) {
    run = RunState{};
    EXPECT_EQ(Parse({word}), CommandLineResult{}) << word;
    EXPECT_TRUE(run.quitRequested) << word;
  }
  run = RunState{};
  EXPECT_EQ(Parse({"QUIT", "quit"}), CommandLineResult{});
  EXPECT_FALSE(run.quitRequested);
  EXPECT_TRUE(messages.empty());
}

// GOTO takes the next argument as its reference, whatever it looks like; without one it is an
// unknown parameter. A running viewer may take the request only when every word is known.
TEST_F(CommandLineTest, GotoTakesTheNextWord) {
  EXPECT_EQ(Parse({"/goto", "21/4C", "-QUIT"}), CommandLineResult{});
  EXPECT_EQ(run.gotoReference, "21/4C");
  EXPECT_TRUE(run.quitRequested);
  EXPECT_EQ(Parse({"-GOTO", "/QUIT"}), CommandLineResult{});
  EXPECT_EQ(run.gotoReference, "/QUIT");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"/GOTO"}, {"/GOTO", ""}, {"/QUIT", "-goto"}}) {
    RunState fresh;
    EXPECT_EQ(ParseCommandLine(args, config, fresh, hive, 2, messages),
              CommandLineResult{kUnknownParameterError});
    EXPECT_EQ(GotoReferenceOf(args), "");
  }
  EXPECT_EQ(GotoReferenceOf({"/NOINDEX", "/GOTO", "int 21 ah=4c"}), "int 21 ah=4c");
  EXPECT_EQ(GotoReferenceOf({"/GOTO", "21/4C", "/NOSUCHWORD"}), "");
  EXPECT_EQ(GotoReferenceOf({"/QUIT"}), "");
}

TEST_F(CommandLineTest, IndexAndSaveWordsSetTheirValues) {
  struct Case {
    const char* word;
    bool dontUseIndexFile;
    bool loadTopicsDirect;
  };
  for (const Case& c : {Case{"/INDEXUSE", false, false}, Case{"/INDEXNOUPDATE", true, false},
                        Case{"/INDEXNOUSE", false, true}, Case{"-noindex", false, true}}) {
    config.DontUseIndexFile = !c.dontUseIndexFile;
    config.LoadTopicsDirect = !c.loadTopicsDirect;
    EXPECT_EQ(Parse({c.word}), CommandLineResult{});
    EXPECT_EQ(config.DontUseIndexFile, c.dontUseIndexFile) << c.word;
    EXPECT_EQ(config.LoadTopicsDirect, c.loadTopicsDirect) << c.word;
  }
  // The last index word wins.
  Parse({"/INDEXNOUPDATE", "/INDEXUSE"});
  EXPECT_FALSE(config.DontUseIndexFile);
  EXPECT_FALSE(config.LoadTopicsDirect);
  for (const char* word : {"/CONFIGNOSAVE", "-noregistry"}) {
    run = RunState{};
    Parse({word});
    EXPECT_TRUE(run.noSave) << word;
  }
}

TEST_F(CommandLineTest, AnUnknownWordStopsTheParsing) {
  const CommandLineResult result = Parse({"/INDEXNOUSE", "/BOGUS", "/CONFIGNOSAVE"});
  EXPECT_EQ(result.errorCode, kUnknownParameterError);
  EXPECT_EQ(kUnknownParameterError, 10);
  EXPECT_TRUE(config.LoadTopicsDirect);
  EXPECT_FALSE(run.noSave);
  EXPECT_TRUE(messages.empty());  // the caller shows the error
}

TEST_F(CommandLineTest, PrefixesAloneAndWordsWithMoreAreUnknown) {
  for (const char* arg : {"-", "/", "/INDEXNOUSE=1", "/INDEX", "/QUITT", "/ QUIT", "/QUIT ",
                          "/qu\xC3\xAFt", "/CONFIG-CLEAR", "-a/b"}) {
    run = RunState{};
    EXPECT_EQ(Parse({arg}).errorCode, kUnknownParameterError) << arg;
    EXPECT_FALSE(run.quitRequested);
  }
}

TEST_F(CommandLineTest, FileNamesAndEmptyArgumentsAreIgnored) {
  EXPECT_EQ(Parse({"", "INTERRUP.LST", "C:\\LISTS\\PORTS.LST", "", "/QUIT"}), CommandLineResult{});
  EXPECT_TRUE(run.quitRequested);
  EXPECT_EQ(Parse({}), CommandLineResult{});
#ifndef _WIN32
  // An absolute path is a file name too, not an unknown word.
  EXPECT_EQ(Parse({"/home/me/lists/MEMORY.LST", "/tmp/x"}), CommandLineResult{});
#endif
}

TEST_F(CommandLineTest, EveryArgumentIsExaminedHoweverMany) {
  std::vector<std::string> args(300, "file.lst");
  args.push_back("/QUIT");
  EXPECT_EQ(Parse(args), CommandLineResult{});
  EXPECT_TRUE(run.quitRequested);
}

TEST_F(CommandLineTest, StoredIndexValuesOutweighTheIndexWords) {
  Exit(Start({}), WindowPlacement{});  // a run that saved its settings
  const ProgramRun r = Start({"/INDEXNOUSE"});
  EXPECT_FALSE(r.config.LoadTopicsDirect);
  EXPECT_FALSE(r.config.DontUseIndexFile);
}

TEST_F(CommandLineTest, ConfigClearWithAnIndexWordInEitherOrderUsesTheWord) {
  for (const auto& args : {std::vector<std::string>{"/CONFIGCLEAR", "/INDEXNOUSE"},
                           std::vector<std::string>{"/INDEXNOUSE", "/CONFIGCLEAR"}}) {
    ProgramRun first = Start({});
    first.config.AskExit = true;
    Exit(first, WindowPlacement{WindowRect{1, 2, 300, 400}, kWindowNormal});

    const ProgramRun r = Start(args);
    EXPECT_TRUE(r.config.LoadTopicsDirect) << args[0];
    EXPECT_FALSE(r.config.AskExit);
    EXPECT_TRUE(r.placement.maximized());
    EXPECT_EQ(r.placement.rect, (WindowRect{50, 50, 750, 550}));
    Exit(r, WindowPlacement{});
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(CommandLineTest, ConfigClearActsAtOnceAndOnlyOnThisMajorVersion) {
  Exit(Start({}), WindowPlacement{});
  hive.begin(messages);
  hive.createKey("Software\\Halvex\\Qorl Viewer\\1")->setValue("Kept", HiveValue::dword(1));
  std::string failure;
  ASSERT_TRUE(hive.finish(failure));

  EXPECT_EQ(Parse({"/CONFIGCLEAR"}), CommandLineResult{});
  EXPECT_FALSE(SettingsKeyExists());
  hive.begin(messages);
  auto other = hive.openKey("Software\\Halvex\\Qorl Viewer\\1");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->queryValue("Kept"), HiveValue::dword(1));
  hive.finish(failure);
}

TEST_F(CommandLineTest, ClearedSettingsAreWrittenAgainUnlessSavingIsOff) {
  Exit(Start({}), WindowPlacement{});
  ProgramRun cleared = Start({"/CONFIGCLEAR"});
  EXPECT_EQ(cleared.config, ConfigRecord{});
  Exit(cleared, WindowPlacement{});
  EXPECT_TRUE(SettingsKeyExists());

  ProgramRun noSave = Start({"/CONFIGCLEAR", "/CONFIGNOSAVE"});
  noSave.config.AskExit = true;  // as if changed in the configuration dialog
  Exit(noSave, WindowPlacement{});
  EXPECT_FALSE(SettingsKeyExists());

  // With no-save the stored settings are still read.
  Exit(Start({}), WindowPlacement{});
  ProgramRun reading = Start({});
  reading.config.ShowCategoryChar = false;
  Exit(reading, WindowPlacement{});
  const ProgramRun r = Start({"/NOREGISTRY"});
  EXPECT_FALSE(r.config.ShowCategoryChar);
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace qorl
