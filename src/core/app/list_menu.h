// SPDX-License-Identifier: MIT
#pragma once
// The Open List menu's contents as data: which list files of the lists folder get an entry, in
// which order, with which caption, hint and shortcut, and which item carries the radio check mark
// for an open list. The viewer turns this into menu actions; nothing here touches a window.
//
// Names are the file system's bytes. Comparisons that ignore case fold only the letters a to z.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qorl {

// At most this many list entries are made; further matching files get none.
inline constexpr std::size_t kMaxListMenuEntries = 20;

// Fixed texts of the sub-menu.
inline constexpr const char* kListMenuCaption = "&Open List";
inline constexpr const char* kListMenuHint = "Open a list";
inline constexpr const char* kListOtherCaption = "&Other...";  // when there are list entries
inline constexpr const char* kListOpenCaption = "&Open...";    // when there are none
inline constexpr const char* kListOtherHint = "Open a list";
inline constexpr const char* kListOtherShortcut = "Ctrl+O";

// One list entry (a radio item of the sub-menu).
struct ListMenuEntry {
  std::string objectName;  // "ListListFile" + index among the entries, from 0
  std::string caption;     // first character capital, the rest small (a-z only): "Interrup.lst"
  std::string hint;        // "Open " + caption
  char shortcutKey = 0;    // with Shift: 'I', 'P', 'M', 'C', 'F' or 'O'; 0 for no shortcut
  std::string shortcut;    // the same as text for a key sequence: "Shift+I", or empty
  bool isDefault = false;  // the default item, shown bold (INTERRUP.LST)
  std::string fileName;    // the real name on disk; the entry opens this file
};

struct ListMenuContents {
  std::vector<ListMenuEntry> entries;  // sorted, at most kMaxListMenuEntries
  bool separatorVisible = false;       // ListMenuSeparator1: only when there are entries
  std::string otherCaption;            // ListOther: "&Other..." or "&Open..."
};

// Builds the menu from the names of a folder's directory entries (files and folders alike).
// A name counts when it ends in ".LST" in any case. Unless displayAllLists, 86BUGS.LST and
// GLOSSARY.LST (compared in capitals) are left out. Names are sorted without regard to case (equal
// folded names by their raw bytes, so the order never depends on the directory's order) and the
// first kMaxListMenuEntries are kept.
ListMenuContents BuildListMenu(const std::vector<std::string>& directoryNames,
                               bool displayAllLists);

// Reads the lists folder and builds the menu from its entries, whatever their type. A folder that
// cannot be read gives no entries; an empty path reads the current directory.
ListMenuContents BuildListMenuFromFolder(const std::string& listsFolder, bool displayAllLists);

// The names of a folder's regular files that end in ".LST" in any case, all of them, in the
// menu's order. An empty path reads the current directory.
std::vector<std::string> ListFileNames(const std::string& folder);

// The caption of a file name: its first character a capital, all others small (a-z only).
std::string ListEntryCaption(const std::string& fileName);

// The shortcut key (with Shift) of a file name compared in capitals, or 0.
char ListEntryShortcutKey(const std::string& fileName);

// Joins the lists folder and a name, adding the platform's separator when the folder lacks one.
std::string ListFolderPath(const std::string& listsFolder, const std::string& name);

// Whether two paths name one and the same existing file.
bool SameExistingFile(const std::string& a, const std::string& b);

// The file an entry opens: lists folder + the entry's caption, so that the list path (and with
// it the window caption and a remembered start-up list) reads as the menu does. Where the file
// system tells the cases apart and the caption does not find the very same file, the entry's
// real file name is used instead.
std::string ListEntryPath(
    const std::string& listsFolder, const ListMenuEntry& entry,
    const std::function<bool(const std::string&, const std::string&)>& sameFile = SameExistingFile);

// Which item of the radio group to check for the list at path.
struct ListMenuCheck {
  enum class Kind { None, Entry, Other };
  Kind kind = Kind::None;
  std::size_t index = 0;  // the entry's index when kind is Entry
  bool operator==(const ListMenuCheck&) const = default;
};

// The entry whose lists folder + caption equals path, both in capitals (a-z) and on Windows with
// '/' and '\' alike, is checked; with no such entry "&Other..." is checked, provided there are
// entries at all; with no entries nothing.
ListMenuCheck CheckedEntryFor(const std::string& path, const std::string& listsFolder,
                              const std::vector<ListMenuEntry>& entries);

}  // namespace qorl
