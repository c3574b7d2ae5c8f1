// SPDX-License-Identifier: MIT
#include "core/app/list_menu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qorl {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Captions(const ListMenuContents& menu) {
  std::vector<std::string> captions;
  for (const auto& entry : menu.entries) captions.push_back(entry.caption);
  return captions;
}

TEST(ListMenu, KnownListsWithoutDisplayAll) {
  const auto menu = BuildListMenu(
      {"PORTS.LST", "GLOSSARY.LST", "INTERRUP.LST", "86BUGS.LST", "README.TXT"}, false);
  ASSERT_EQ(menu.entries.size(), 2u);
  const auto& interrup = menu.entries[0];
  EXPECT_EQ(interrup.objectName, "ListListFile0");
  EXPECT_EQ(interrup.caption, "Interrup.lst");
  EXPECT_EQ(interrup.hint, "Open Interrup.lst");
  EXPECT_EQ(interrup.shortcutKey, 'I');
  EXPECT_EQ(interrup.shortcut, "Shift+I");
  EXPECT_TRUE(interrup.isDefault);
  EXPECT_EQ(interrup.fileName, "INTERRUP.LST");
  const auto& ports = menu.entries[1];
  EXPECT_EQ(ports.objectName, "ListListFile1");
  EXPECT_EQ(ports.caption, "Ports.lst");
  EXPECT_EQ(ports.shortcut, "Shift+P");
  EXPECT_FALSE(ports.isDefault);
  EXPECT_TRUE(menu.separatorVisible);
  EXPECT_EQ(menu.otherCaption, "&Other...");

  const auto all = BuildListMenu({"PORTS.LST", "GLOSSARY.LST", "INTERRUP.LST", "86bugs.lst"}, true);
  EXPECT_EQ(Captions(all),
            (std::vector<std::string>{"86bugs.lst", "Glossary.lst", "Interrup.lst", "Ports.lst"}));
  EXPECT_TRUE(all.entries[0].shortcut.empty());
}

TEST(ListMenu, ShortcutsFollowTheNameInAnyCase) {
  const auto menu = BuildListMenu({"ports.lst", "Memory.Lst", "cmos.LST", "farcall.lst",
                                   "OPCODES.lst", "msr.lst", "interrup.lst"},
                                  false);
  ASSERT_EQ(menu.entries.size(), 7u);
  std::string keys;
  for (const auto& entry : menu.entries) keys += entry.shortcutKey ? entry.shortcutKey : '-';
  // Cmos, Farcall, Interrup, Memory, Msr, Opcodes, Ports
  EXPECT_EQ(keys, "CFIM-OP");
  EXPECT_EQ(menu.entries[6].caption, "Ports.lst");
  EXPECT_EQ(menu.entries[6].fileName, "ports.lst");
  EXPECT_TRUE(menu.entries[2].isDefault);
  // Only the letters a to z change case.
  EXPECT_EQ(ListEntryCaption("\x84QUIPE.LST"), "\x84quipe.lst");
}

TEST(ListMenu, KeepsTheFirstTwentySortedWithoutRegardToCase) {
  std::vector<std::string> names;
  for (char c = 'y'; c >= 'a'; --c) {  // 25 names, reversed and in mixed case
    std::string name(1, c);
    name += ".lst";
    if (c % 2 == 0) name[0] = static_cast<char>(c - 'a' + 'A');
    names.push_back(name);
  }
  const auto menu = BuildListMenu(names, false);
  ASSERT_EQ(menu.entries.size(), 20u);
  EXPECT_EQ(menu.entries.front().caption, "A.lst");
  EXPECT_EQ(menu.entries.back().caption, "T.lst");
  EXPECT_EQ(menu.entries.back().objectName, "ListListFile19");
}

TEST(ListMenu, EqualFoldedNamesKeepADeterministicOrder) {
  const auto a = BuildListMenu({"ports.lst", "PORTS.LST", "Ports.lst"}, false);
  const auto b = BuildListMenu({"Ports.lst", "ports.lst", "PORTS.LST"}, false);
  ASSERT_EQ(a.entries.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(a.entries[i].fileName, b.entries[i].fileName);
  EXPECT_EQ(a.entries[0].fileName, "PORTS.LST");
}

TEST(ListMenu, NoMatchingNamesGiveOnlyTheOpenItem) {
  for (const auto& names : {std::vector<std::string>{},
                            std::vector<std::string>{"LST", "a.lstx", "notes.txt", "86BUGS.LST"}}) {
    const auto menu = BuildListMenu(names, false);
    EXPECT_TRUE(menu.entries.empty());
    EXPECT_FALSE(menu.separatorVisible);
    EXPECT_EQ(menu.otherCaption, "&Open...");
  }
  // A name that is only the extension still matches "*.LST".
  EXPECT_EQ(BuildListMenu({".lst"}, false).entries.size(), 1u);
}

TEST(ListMenu, CheckMarkComparesFolderAndCaptionInCapitals) {
  const std::string folder = "/data/lists/";
  const auto menu = BuildListMenu({"INTERRUP.LST", "ports.lst"}, false);
  using Kind = ListMenuCheck::Kind;
  EXPECT_EQ(CheckedEntryFor("/data/lists/PORTS.LST", folder, menu.entries),
            (ListMenuCheck{Kind::Entry, 1}));
  EXPECT_EQ(CheckedEntryFor("/DATA/LISTS/interrup.lst", folder, menu.entries),
            (ListMenuCheck{Kind::Entry, 0}));
  // Another folder, or a file without an entry: "&Other...".
  EXPECT_EQ(CheckedEntryFor("/tmp/INTERRUP.LST", folder, menu.entries).kind, Kind::Other);
  EXPECT_EQ(CheckedEntryFor("/data/lists/MEMORY.LST", folder, menu.entries).kind, Kind::Other);
  // No entries at all: nothing is checked.
  EXPECT_EQ(CheckedEntryFor("/tmp/INTERRUP.LST", folder, {}).kind, Kind::None);
  // A folder given without its trailing separator joins the same way.
  EXPECT_EQ(CheckedEntryFor("/data/lists/PORTS.LST", "/data/lists", menu.entries).kind,
            Kind::Entry);
  EXPECT_EQ(ListEntryPath(folder, menu.entries[1]), "/data/lists/ports.lst");
  // Where the caption's spelling finds the same file (a file system blind to case), the entry
  // opens the list under its caption.
  const auto sameFile = [](const std::string&, const std::string&) { return true; };
  EXPECT_EQ(ListEntryPath(folder, menu.entries[1], sameFile), "/data/lists/Ports.lst");
}

class ListMenuFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("qorl_list_menu_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  void Touch(const std::string& name) { std::ofstream(folder_ / name) << "x"; }

  fs::path folder_;
};

TEST_F(ListMenuFolder, ReadsFilesAndFoldersNamedLikeLists) {
  EXPECT_TRUE(BuildListMenuFromFolder(folder_.string(), false).entries.empty());
  // Files that appear (e.g. made by COMBINE.COM) are in the next build.
  Touch("ports.lst");
  Touch("INTERRUP.LST");
  Touch("GLOSSARY.LST");
  Touch("notes.txt");
  fs::create_directory(folder_ / "OLD.LST");
  const std::string listsFolder = folder_.string() + "/";
  const auto menu = BuildListMenuFromFolder(listsFolder, false);
  EXPECT_EQ(Captions(menu), (std::vector<std::string>{"Interrup.lst", "Old.lst", "Ports.lst"}));
  // The entry opens the real file although its caption differs in case.
  EXPECT_TRUE(fs::exists(ListEntryPath(listsFolder, menu.entries[2])));
}

TEST_F(ListMenuFolder, MissingFolderGivesNoEntries) {
  const auto menu = BuildListMenuFromFolder((folder_ / "missing").string(), false);
  EXPECT_TRUE(menu.entries.empty());
  EXPECT_EQ(menu.otherCaption, "&Open...");
}

TEST(ListMenuRealLists, ReleaseFolderOffersTheKnownLists) {
  const fs::path lists = QORL_LISTS_DIR;
  if (!fs::exists(lists / "INTERRUP.LST")) GTEST_SKIP() << "no list files in " << lists;
  const auto menu = BuildListMenuFromFolder(lists.string(), false);
  ASSERT_FALSE(menu.entries.empty());
  EXPECT_LE(menu.entries.size(), kMaxListMenuEntries);
  bool sawInterrup = false;
  for (const auto& entry : menu.entries) {
    EXPECT_NE(entry.caption, "Glossary.lst");
    EXPECT_NE(entry.caption, "86bugs.lst");
    if (entry.caption == "Interrup.lst") sawInterrup = entry.isDefault;
  }
  EXPECT_TRUE(sawInterrup);
}

}  // namespace
}  // namespace qorl
