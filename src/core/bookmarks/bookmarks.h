// SPDX-License-Identifier: MIT
#pragma once
// Bookmarks: topics the reader keeps at hand. A bookmark names its list by path and its topic by
// identifier and title, with the topic number as a hint, so that it still finds its topic when
// the list has been edited or replaced by a newer release. They are kept in the settings under
// the program's key, in the sub-key "Bookmarks", one value per bookmark named by its place.

#include <cstdint>
#include <string>
#include <vector>

#include "core/list/message_service.h"
#include "core/list/topic_table.h"
#include "core/settings/settings_hive.h"

namespace qorl {

struct Bookmark {
  std::string listPath;    // the list as it was opened (UTF-8)
  std::string identifier;  // the list's bytes
  std::string title;       // the list's bytes
  TopicNumber number = -1;
  std::string label;  // UTF-8; empty: DefaultBookmarkLabel
  bool operator==(const Bookmark&) const = default;
};

// "INTERRUP.LST 214C INT 21 - DOS 2+ - ..." (identifier and title decoded from code page 437).
std::string DefaultBookmarkLabel(const Bookmark& bookmark);
// The label a menu shows: the bookmark's own, else the default one.
std::string BookmarkLabel(const Bookmark& bookmark);

// The topic of table the bookmark names: its number while identifier and title still match;
// else the topic with that identifier and title nearest to the number; else the one with that
// identifier nearest to it. -1 when no topic has the identifier.
TopicNumber FindBookmarkedTopic(const TopicTable& table, const Bookmark& bookmark);

// The stored form of one bookmark and back (nothing for a value that is not one).
std::string EncodeBookmark(const Bookmark& bookmark);
bool DecodeBookmark(const std::string& text, Bookmark& out);

// "Software\Halvex\Qorl Viewer\<major>\Bookmarks".
std::string BookmarksKeyPath(std::int32_t major);
// The stored bookmarks in order; values that are no bookmark are reported and skipped.
std::vector<Bookmark> LoadBookmarks(SettingsHive& hive, std::int32_t major,
                                    MessageService& messages);
// Replaces the stored bookmarks by these, written in order ("1", "2", ...).
void SaveBookmarks(SettingsHive& hive, std::int32_t major, const std::vector<Bookmark>& bookmarks,
                   MessageService& messages);

}  // namespace qorl
