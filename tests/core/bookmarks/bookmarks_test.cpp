// SPDX-License-Identifier: MIT
// Bookmarks find their topic again after the list changed, and keep their order, bytes and labels
// through the settings file, beside the other settings and gone with them on a clear.

#include <gtest/gtest.h>

#include "core/bookmarks/bookmarks.h"
#include "core/settings/hive_file.h"
#include "core/settings/settings_store.h"
#include "core/support/settings_fixtures.h"

namespace qorl {
namespace {

TopicTable Table(const std::vector<std::pair<std::string, std::string>>& topics) {
  TopicTable table;
  std::int32_t offset = 0;
  for (const auto& [identifier, title] : topics) table.append(identifier, 'D', offset++, 1, title);
  return table;
}

TEST(Bookmarks, FindTheirTopicByIdentifierAndTitleWithTheNumberAsHint) {
  const Bookmark exit{"/l/INTERRUP.LST", "214C", "INT 21 - EXIT", 2, ""};
  // Unchanged list: the number.
  EXPECT_EQ(FindBookmarkedTopic(Table({{"", ""}, {"2100", "A"}, {"214C", "INT 21 - EXIT"}}), exit),
            2);
  // Topics inserted before it, and a same-identifier topic of another title nearer the hint.
  EXPECT_EQ(FindBookmarkedTopic(Table({{"", ""},
                                       {"2100", "A"},
                                       {"214C", "OTHER"},
                                       {"2101", "B"},
                                       {"214C", "INT 21 - EXIT"}}),
                                exit),
            4);
  // Several with identifier and title: the one nearest the hint.
  EXPECT_EQ(
      FindBookmarkedTopic(
          Table({{"214C", "INT 21 - EXIT"}, {"2100", "A"}, {"x", "x"}, {"214C", "INT 21 - EXIT"}}),
          exit),
      3);
  // A changed title: the identifier alone.
  EXPECT_EQ(FindBookmarkedTopic(Table({{"", ""}, {"214C", "INT 21 - EXIT (new)"}}), exit), 1);
  EXPECT_EQ(FindBookmarkedTopic(Table({{"", ""}, {"2100", "A"}}), exit), -1);
}

TEST(Bookmarks, SurviveTheSettingsFileInOrderBesideTheOtherSettings) {
  settings_test::SettingsTempFolder temp;
  settings_test::SettingsMessages messages;
  HiveFile hive{temp.file("Qorl Viewer.reg")};
  // Bytes of code page 437 (0x82), separators and escapes in every text field.
  const std::vector<Bookmark> bookmarks{
      {"/lists/INTERRUP.LST", "214C", "INT 21 - caf\x82 \"EXIT\"", 2985, ""},
      {"/odd\tfolder\\x/PORTS.LST", "P0060", "PORT\t0060", 51, "keyboard\\n \xc3\xa9"},
      {"/lists/MSR.LST", "", "", 0, ""}};
  {
    HiveOperation operation(hive, messages);
    const std::unique_ptr<HiveKey> config = hive.createKey(SettingsKeyPath(2) + "\\Config");
    ASSERT_TRUE(config->setValue("FollowAllReferences", HiveValue::dword(1)));
  }
  SaveBookmarks(hive, 2, bookmarks, messages);
  SaveBookmarks(hive, 2, {bookmarks[1], bookmarks[0], bookmarks[2]}, messages);
  HiveFile reopened(hive.path());
  EXPECT_EQ(LoadBookmarks(reopened, 2, messages),
            (std::vector<Bookmark>{bookmarks[1], bookmarks[0], bookmarks[2]}));
  EXPECT_TRUE(messages.empty()) << messages.texts().front();
  EXPECT_TRUE(reopened.openKey(SettingsKeyPath(2) + "\\Config")->queryValue("FollowAllReferences"));
  EXPECT_EQ(DefaultBookmarkLabel(bookmarks[0]), "INTERRUP.LST 214C INT 21 - caf\xc3\xa9 \"EXIT\"");

  // A value that is no bookmark is reported and skipped; the others stay.
  {
    HiveOperation operation(reopened, messages);
    reopened.createKey(BookmarksKeyPath(2))->setValue("2", HiveValue::dword(7));
  }
  EXPECT_EQ(LoadBookmarks(reopened, 2, messages),
            (std::vector<Bookmark>{bookmarks[1], bookmarks[2]}));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{InvalidDataTypeMessage("2")});

  ClearSettings(reopened, 2, messages);
  EXPECT_TRUE(LoadBookmarks(reopened, 2, messages).empty());
}

}  // namespace
}  // namespace qorl
