// SPDX-License-Identifier: MIT
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
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/settings/settings_hive.h"

namespace qorl {

// Keys nest at most this deep, as in the registry; deeper ones are refused.
inline constexpr std::size_t kMaxHiveKeyDepth = 512;

// One key. It keeps only its own name, so that a tree takes memory in proportion to the text
// that describes it, however deep its keys nest.
struct HiveKeyNode {
  HiveKeyNode() = default;
  HiveKeyNode(std::string keyName, HiveKeyNode* parentKey)
      : name(std::move(keyName)), parent(parentKey) {}
  HiveKeyNode(const HiveKeyNode&) = delete;
  HiveKeyNode& operator=(const HiveKeyNode&) = delete;

  std::string name;               // as first written; "" for the hive's root
  HiveKeyNode* parent = nullptr;  // nullptr for the root
  // In the order they were added; changed only through set(), which keeps them findable.
  std::vector<std::pair<std::string, HiveValue>> values;
  std::map<std::string, std::unique_ptr<HiveKeyNode>> subKeys;  // by folded name

  // The key's path below HKEY_CURRENT_USER; "" for the root.
  std::string path() const;
  const HiveValue* find(const std::string& name) const;
  void set(const std::string& name, const HiveValue& value);

 private:
  std::unordered_map<std::string, std::size_t> positions_;  // folded name -> index in values
};

// Whether path can name a key: "" (the root) or at most kMaxHiveKeyDepth names joined by single
// backslashes, without line breaks.
bool IsValidHiveKeyPath(std::string_view path);

// Key and value names compare without regard to the case of the letters a to z.
std::string FoldHiveName(std::string_view name);

class HiveTree {
 public:
  HiveKeyNode* find(std::string_view path);
  const HiveKeyNode* find(std::string_view path) const;
  // The key, created with every missing parent.
  HiveKeyNode& create(std::string_view path);
  // Removes the key and all keys below it; false when it did not exist.
  bool removeTree(std::string_view path);
  std::vector<std::string> subKeyNames(std::string_view path) const;
  bool empty() const { return !rootExists_ && root_->subKeys.empty(); }
  // Every key, each parent before its sub-keys, sub-keys in the order of their folded names.
  std::vector<const HiveKeyNode*> keys() const;
  // The root (a key only once created or read; it holds every other key either way).
  const HiveKeyNode& root() const { return *root_; }
  bool rootExists() const { return rootExists_; }

 private:
  std::unique_ptr<HiveKeyNode> root_ = std::make_unique<HiveKeyNode>();  // stays put on moves
  bool rootExists_ = false;
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
