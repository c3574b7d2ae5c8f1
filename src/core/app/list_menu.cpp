// SPDX-License-Identifier: MIT
#include "core/app/list_menu.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/list/ascii.h"
#include "core/list/file_path.h"

namespace qorl {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

bool IsListFileName(std::string_view name) {
  constexpr std::string_view kExtension = ".LST";
  return name.size() >= kExtension.size() &&
         AsciiUpper(name.substr(name.size() - kExtension.size())) == kExtension;
}

bool IsHiddenByDefault(std::string_view name) {
  const std::string upper = AsciiUpper(name);
  return upper == "86BUGS.LST" || upper == "GLOSSARY.LST";
}

// Case-blind order (a-z folded) with the raw bytes as tie-break, compared as unsigned bytes.
bool ListNameLess(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto cb = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (ca != cb) return ca < cb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  });
}

// The path in capitals (a to z) and, on Windows, with '/' as '\': the form in which two
// spellings of one path compare equal ("C:/Lists/ports.lst" and "C:\LISTS\PORTS.LST").
std::string ComparablePath(std::string_view path) {
  std::string upper = AsciiUpper(path);
  if constexpr (kSeparator != '/') std::replace(upper.begin(), upper.end(), '/', kSeparator);
  return upper;
}

// The names of a folder's directory entries, whatever their type. A folder that cannot be read
// gives none; an empty path reads the current directory.
std::vector<std::string> FolderEntryNames(const std::string& listsFolder) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code ec;
  const fs::path folder = listsFolder.empty() ? fs::path(".") : FilePath(listsFolder);
  fs::directory_iterator it(folder, ec);
  // A broken entry ends the walk with what was read so far; no entry is fatal.
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    try {
      names.push_back(Utf8Path(it->path().filename()));
    } catch (const std::exception&) {
      // A name that cannot be represented as UTF-8 gets no entry.
    }
  }
  return names;
}

}  // namespace

std::string ListEntryCaption(const std::string& fileName) {
  std::string caption = fileName;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    caption[i] = i == 0 ? AsciiUpper(caption[i]) : AsciiLower(caption[i]);
  }
  return caption;
}

char ListEntryShortcutKey(const std::string& fileName) {
  const std::string upper = AsciiUpper(fileName);
  if (upper == "INTERRUP.LST") return 'I';
  if (upper == "PORTS.LST") return 'P';
  if (upper == "MEMORY.LST") return 'M';
  if (upper == "CMOS.LST") return 'C';
  if (upper == "FARCALL.LST") return 'F';
  if (upper == "OPCODES.LST") return 'O';
  return 0;
}

std::string ListFolderPath(const std::string& listsFolder, const std::string& name) {
  std::string path = listsFolder;
  if (!path.empty() && path.back() != kSeparator && path.back() != '/') path += kSeparator;
  return path + name;
}

bool SameExistingFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  const bool same = std::filesystem::equivalent(FilePath(a), FilePath(b), ec);
  return !ec && same;
}

std::string ListEntryPath(
    const std::string& listsFolder, const ListMenuEntry& entry,
    const std::function<bool(const std::string&, const std::string&)>& sameFile) {
  const std::string real = ListFolderPath(listsFolder, entry.fileName);
  if (entry.caption == entry.fileName) return real;
  const std::string asShown = ListFolderPath(listsFolder, entry.caption);
  return sameFile(asShown, real) ? asShown : real;
}

ListMenuContents BuildListMenu(const std::vector<std::string>& directoryNames,
                               bool displayAllLists) {
  std::vector<std::string> names;
  for (const std::string& name : directoryNames) {
    if (!IsListFileName(name)) continue;
    if (!displayAllLists && IsHiddenByDefault(name)) continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end(), ListNameLess);
  if (names.size() > kMaxListMenuEntries) names.resize(kMaxListMenuEntries);

  ListMenuContents menu;
  for (std::size_t i = 0; i < names.size(); ++i) {
    ListMenuEntry entry;
    entry.objectName = "ListListFile" + std::to_string(i);
    entry.caption = ListEntryCaption(names[i]);
    entry.hint = "Open " + entry.caption;
    entry.shortcutKey = ListEntryShortcutKey(names[i]);
    if (entry.shortcutKey != 0) entry.shortcut = std::string("Shift+") + entry.shortcutKey;
    entry.isDefault = entry.shortcutKey == 'I';
    entry.fileName = names[i];
    menu.entries.push_back(std::move(entry));
  }
  menu.separatorVisible = !menu.entries.empty();
  menu.otherCaption = menu.entries.empty() ? kListOpenCaption : kListOtherCaption;
  return menu;
}

ListMenuContents BuildListMenuFromFolder(const std::string& listsFolder, bool displayAllLists) {
  return BuildListMenu(FolderEntryNames(listsFolder), displayAllLists);
}

std::vector<std::string> ListFileNames(const std::string& folder) {
  std::vector<std::string> names;
  for (std::string& name : FolderEntryNames(folder)) {
    std::error_code ec;
    const std::string path = ListFolderPath(folder.empty() ? "." : folder, name);
    if (IsListFileName(name) && std::filesystem::is_regular_file(FilePath(path), ec))
      names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), ListNameLess);
  return names;
}

ListMenuCheck CheckedEntryFor(const std::string& path, const std::string& listsFolder,
                              const std::vector<ListMenuEntry>& entries) {
  const std::string wanted = ComparablePath(path);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (ComparablePath(ListFolderPath(listsFolder, entries[i].caption)) == wanted) {
      return {ListMenuCheck::Kind::Entry, i};
    }
  }
  if (!entries.empty()) return {ListMenuCheck::Kind::Other, 0};
  return {};
}

}  // namespace qorl
