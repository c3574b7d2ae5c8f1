#pragma once
// The hive file's contents in memory and their text form, the registry editor's export format:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Halvex\Qorl Viewer\2\Config]
//   "DefStartupDir"="/home/me/lists"
//   "AskExit"=dword:00000000
//   "TopicsHeightPerc"=hex:00,00,00,00,00,00,e0,3f
//
// Strings are written as UTF-8 between quotes with \ and " escaped; a string holding a line
// break is written as hex(1):. hex(2): (REG_EXPAND_SZ) and hex(1): hold UTF-16LE text with its
// terminating zero, as the registry editor writes them (a zero inside the text is kept). Any other
// type is hex(N): with raw bytes.
//
// Reading also takes the registry editor's own exports: UTF-16LE with a byte-order mark, and the
// older form headed "REGEDIT4", whose texts are single bytes of code page 1252. Writing always
// gives the UTF-8 form above.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/settings/settings_hive.h"

namespace qorl {

struct HiveKeyNode {
  HiveKeyNode() = default;
  explicit HiveKeyNode(std::string keyPath) : path(std::move(keyPath)) {}

  std::string path;  // below HKEY_CURRENT_USER, as first written; "" is the hive's root
  // In the order they were added; changed only through set(), which keeps them findable.
  std::vector<std::pair<std::string, HiveValue>> values;

  const HiveValue* find(const std::string& name) const;
  void set(const std::string& name, const HiveValue& value);

 private:
  std::unordered_map<std::string, std::size_t> positions_;  // folded name -> index in values
};

// Whether path can name a key: "" (the root) or names joined by single backslashes, without
// line breaks.
bool IsValidHiveKeyPath(std::string_view path);

// Key and value names compare without regard to the case of the letters a to z.
std::string FoldHiveName(std::string_view name);

class HiveTree {
 public:
  HiveKeyNode* find(const std::string& path);
  const HiveKeyNode* find(const std::string& path) const;
  // The key, created with every missing parent.
  HiveKeyNode& create(const std::string& path);
  // Removes the key and all keys below it; false when it did not exist.
  bool removeTree(const std::string& path);
  std::vector<std::string> subKeyNames(const std::string& path) const;
  bool empty() const { return keys_.empty(); }
  const std::map<std::string, HiveKeyNode>& keys() const { return keys_; }

 private:
  std::map<std::string, HiveKeyNode> keys_;  // by folded path
};

// The tree that text describes; nothing (and a description of the first fault in error) when
// the text is not in the export format.
std::optional<HiveTree> ParseHiveText(std::string_view text, std::string* error = nullptr);
std::string FormatHiveText(const HiveTree& tree);

// UTF-8 to UTF-16 and back, losslessly for any bytes: a byte that is not part of valid UTF-8
// travels as a lone low surrogate U+DC80..U+DCFF.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace qorl
