// SPDX-License-Identifier: MIT
#include "core/settings/hive_text.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/list/ascii.h"
#include "core/list/codepage1252.h"
#include "core/list/utf8.h"

namespace qorl {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
// The older export form: its texts, quoted or hex(1)/hex(2), are single bytes in the Windows code
// page, taken as 1252. Quoted texts stay as they are when the whole file is valid UTF-8 (as one
// written by hand may be); hex(1)/hex(2) bytes when they are valid UTF-8 on their own.
constexpr std::string_view kAnsiHeader = "REGEDIT4";
constexpr std::string_view kRootName = "HKEY_CURRENT_USER";
constexpr std::size_t kBytesPerHexLine = 25;

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The first line that is neither blank nor a comment, without its blanks.
std::string_view FirstContentLine(std::string_view text) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = TrimBlanks(text.substr(0, end));
    if (!line.empty() && line.back() == '\r') line = TrimBlanks(line.substr(0, line.size() - 1));
    if (!line.empty() && line.front() != ';') return line;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return {};
}

bool StartsWithFolded(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() &&
         FoldHiveName(s.substr(0, prefix.size())) == FoldHiveName(prefix);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A whole run of 1..8 hex digits as a number.
std::optional<std::uint32_t> ParseHexNumber(std::string_view s) {
  if (s.empty() || s.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : s) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = (value << 4) | static_cast<std::uint32_t>(d);
  }
  return value;
}

// Reads a quoted text with \\ and \" escapes from the start of s; the rest follows in s.
std::optional<std::string> TakeQuoted(std::string_view& s) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::string out;
  std::size_t i = 1;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"') break;
    if (c == '\\') {
      if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"')) return std::nullopt;
      out.push_back(s[++i]);
    } else {
      out.push_back(c);
    }
  }
  if (i >= s.size()) return std::nullopt;  // no closing quote
  s.remove_prefix(i + 1);
  return out;
}

std::optional<std::string> ParseHexBytes(std::string_view s) {
  std::string bytes;
  s = TrimBlanks(s);
  if (s.empty()) return bytes;
  while (true) {
    s = TrimBlanks(s);
    if (s.size() < 2) return std::nullopt;
    const int hi = HexDigit(s[0]);
    const int lo = HexDigit(s[1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    bytes.push_back(static_cast<char>(hi * 16 + lo));
    s = TrimBlanks(s.substr(2));
    if (s.empty()) return bytes;
    if (s.front() != ',') return std::nullopt;
    s.remove_prefix(1);
  }
}

// The UTF-16LE units of bytes (an even number of them).
std::u16string Utf16LeUnits(std::string_view bytes) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  }
  return units;
}

// A hex(1)/hex(2) text as UTF-8. Only the one terminating zero is dropped: a zero inside the
// text is part of it and comes back when the value is written again.
std::optional<std::string> DecodeUtf16Le(const std::string& bytes) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  std::u16string units = Utf16LeUnits(bytes);
  if (!units.empty() && units.back() == 0) units.pop_back();
  return Utf16ToUtf8(units);
}

// How the texts of the file being read are encoded.
struct ExportForm {
  bool ansi = false;  // "REGEDIT4": hex(1)/hex(2) texts are single bytes, not UTF-16LE
};

// A single-byte hex(1)/hex(2) text of a "REGEDIT4" file as UTF-8, its terminating zero dropped.
// How the rest of the file is written says nothing about these bytes: an export of ASCII names
// may hold one path with accented letters.
std::string DecodeAnsi(std::string bytes) {
  if (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
  return IsValidUtf8(bytes) ? bytes : Cp1252ToUtf8(bytes);
}

std::string EncodeUtf16Le(std::string_view text) {
  std::string bytes;
  for (char16_t unit : Utf8ToUtf16(text)) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  bytes.append(2, '\0');
  return bytes;
}

// The value that the data part of a value line (after "=") describes.
std::optional<HiveValue> ParseValueData(std::string_view data, const ExportForm& form) {
  data = TrimBlanks(data);
  if (!data.empty() && data.front() == '"') {
    auto text = TakeQuoted(data);
    if (!text || !TrimBlanks(data).empty()) return std::nullopt;
    return HiveValue::string(std::move(*text));
  }
  if (StartsWithFolded(data, "dword:")) {
    auto number = ParseHexNumber(TrimBlanks(data.substr(6)));
    if (!number) return std::nullopt;
    return HiveValue::dword(*number);
  }
  std::uint32_t type = static_cast<std::uint32_t>(HiveValueType::Binary);
  if (StartsWithFolded(data, "hex:")) {
    data.remove_prefix(4);
  } else if (StartsWithFolded(data, "hex(")) {
    const auto close = data.find("):");
    if (close == std::string_view::npos) return std::nullopt;
    auto number = ParseHexNumber(data.substr(4, close - 4));
    if (!number) return std::nullopt;
    type = *number;
    data.remove_prefix(close + 2);
  } else {
    return std::nullopt;
  }
  auto bytes = ParseHexBytes(data);
  if (!bytes) return std::nullopt;
  const auto kind = static_cast<HiveValueType>(type);
  if (kind == HiveValueType::String || kind == HiveValueType::ExpandString) {
    if (form.ansi) return HiveValue{kind, DecodeAnsi(std::move(*bytes))};
    auto text = DecodeUtf16Le(*bytes);
    if (!text) return std::nullopt;
    return HiveValue{kind, std::move(*text)};
  }
  return HiveValue{kind, std::move(*bytes)};
}

void AppendQuoted(std::string& out, std::string_view text) {
  out.push_back('"');
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
}

void AppendHexBytes(std::string& out, std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += (i % kBytesPerHexLine == 0) ? ",\\\n  " : ",";
    const auto b = static_cast<unsigned char>(bytes[i]);
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 0xF]);
  }
}

std::string HexTypeTag(std::uint32_t type) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[type & 0xF]);
    type >>= 4;
  } while (type != 0);
  return "hex(" + digits + "):";
}

void AppendValue(std::string& out, const std::string& name, const HiveValue& value) {
  if (name.empty()) {
    out.push_back('@');
  } else {
    AppendQuoted(out, name);
  }
  out.push_back('=');
  const auto type = static_cast<std::uint32_t>(value.type);
  if (value.isDword()) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const std::uint32_t v = value.dwordValue();
    out += "dword:";
    for (int shift = 28; shift >= 0; shift -= 4) out.push_back(kDigits[(v >> shift) & 0xF]);
  } else if (value.type == HiveValueType::String &&
             value.data.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos) {
    AppendQuoted(out, value.data);
  } else if (value.type == HiveValueType::String || value.type == HiveValueType::ExpandString) {
    out += HexTypeTag(type);
    AppendHexBytes(out, EncodeUtf16Le(value.data));
  } else if (value.type == HiveValueType::Binary) {
    out += "hex:";
    AppendHexBytes(out, value.data);
  } else {
    out += HexTypeTag(type);
    AppendHexBytes(out, value.data);
  }
  out.push_back('\n');
}

}  // namespace

bool IsValidHiveKeyPath(std::string_view path) {
  if (path.find_first_of("\r\n") != std::string_view::npos) return false;
  if (path.empty()) return true;
  if (path.front() == '\\' || path.back() == '\\') return false;
  if (static_cast<std::size_t>(std::count(path.begin(), path.end(), '\\')) >= kMaxHiveKeyDepth) {
    return false;
  }
  return path.find("\\\\") == std::string_view::npos;
}

std::string FoldHiveName(std::string_view name) {
  return AsciiUpper(name);
}

std::string HiveKeyNode::path() const {
  std::vector<const HiveKeyNode*> chain;
  for (const HiveKeyNode* key = this; key && key->parent; key = key->parent) chain.push_back(key);
  std::string out;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (!out.empty()) out.push_back('\\');
    out += (*it)->name;
  }
  return out;
}

const HiveValue* HiveKeyNode::find(const std::string& valueName) const {
  const auto it = positions_.find(FoldHiveName(valueName));
  return it == positions_.end() ? nullptr : &values[it->second].second;
}

void HiveKeyNode::set(const std::string& valueName, const HiveValue& value) {
  const auto [it, added] = positions_.try_emplace(FoldHiveName(valueName), values.size());
  if (added) {
    values.emplace_back(valueName, value);
  } else {
    values[it->second].second = value;
  }
}

namespace {

// Calls step(name) for each name of a key path ("" names nothing); stops when step returns false.
template <typename Step>
void ForEachKeyName(std::string_view path, Step step) {
  while (!path.empty()) {
    const std::size_t end = path.find('\\');
    if (!step(path.substr(0, end))) return;
    if (end == std::string_view::npos) return;
    path.remove_prefix(end + 1);
  }
}

}  // namespace

const HiveKeyNode* HiveTree::find(std::string_view path) const {
  if (path.empty()) return rootExists_ ? root_.get() : nullptr;
  const HiveKeyNode* key = root_.get();
  ForEachKeyName(path, [&key](std::string_view name) {
    const auto it = key->subKeys.find(FoldHiveName(name));
    key = it == key->subKeys.end() ? nullptr : it->second.get();
    return key != nullptr;
  });
  return key;
}

HiveKeyNode* HiveTree::find(std::string_view path) {
  return const_cast<HiveKeyNode*>(std::as_const(*this).find(path));
}

HiveKeyNode& HiveTree::create(std::string_view path) {
  if (path.empty()) rootExists_ = true;
  HiveKeyNode* key = root_.get();
  ForEachKeyName(path, [&key](std::string_view name) {
    auto& slot = key->subKeys[FoldHiveName(name)];
    if (!slot) slot = std::make_unique<HiveKeyNode>(std::string(name), key);
    key = slot.get();
    return true;
  });
  return *key;
}

bool HiveTree::removeTree(std::string_view path) {
  HiveKeyNode* key = find(path);
  if (!key) return false;
  if (!key->parent) {
    root_ = std::make_unique<HiveKeyNode>();
    rootExists_ = false;
    return true;
  }
  key->parent->subKeys.erase(FoldHiveName(key->name));
  return true;
}

std::vector<std::string> HiveTree::subKeyNames(std::string_view path) const {
  std::vector<std::string> names;
  const HiveKeyNode* key = path.empty() ? root_.get() : find(path);
  if (!key) return names;
  for (const auto& entry : key->subKeys) names.push_back(entry.second->name);
  return names;
}

std::vector<const HiveKeyNode*> HiveTree::keys() const {
  std::vector<const HiveKeyNode*> all;
  if (rootExists_) all.push_back(root_.get());
  // Depth first without recursion: how deep keys nest is the file's business.
  std::vector<const HiveKeyNode*> pending;
  for (auto it = root_->subKeys.rbegin(); it != root_->subKeys.rend(); ++it) {
    pending.push_back(it->second.get());
  }
  while (!pending.empty()) {
    const HiveKeyNode* key = pending.back();
    pending.pop_back();
    all.push_back(key);
    for (auto it = key->subKeys.rbegin(); it != key->subKeys.rend(); ++it) {
      pending.push_back(it->second.get());
    }
  }
  return all;
}

std::optional<HiveTree> ParseHiveText(std::string_view text, std::string* error) {
  auto fail = [&](std::size_t lineNumber, const char* what) -> std::optional<HiveTree> {
    if (error) *error = "line " + std::to_string(lineNumber) + ": " + what;
    return std::nullopt;
  };
  // The registry editor exports UTF-16LE with a byte-order mark; read it as UTF-8.
  std::string decoded;
  if (text.substr(0, 2) == "\xFF\xFE") {
    if (text.size() % 2 != 0) return fail(1, "odd length of UTF-16 text");
    decoded = Utf16ToUtf8(Utf16LeUnits(text.substr(2)));
    text = decoded;
  }
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  ExportForm form;
  if (FirstContentLine(text) == kAnsiHeader) {
    form.ansi = true;
    if (!IsValidUtf8(text)) {
      decoded = Cp1252ToUtf8(text);
      text = decoded;
    }
  }

  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }

  HiveTree tree;
  HiveKeyNode* current = nullptr;
  bool headerSeen = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t lineNumber = i + 1;
    std::string_view line = TrimBlanks(lines[i]);
    if (line.empty() || line.front() == ';') continue;
    if (!headerSeen) {
      if (line != (form.ansi ? kAnsiHeader : kHeader))
        return fail(lineNumber, "not a registry export file");
      headerSeen = true;
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']') return fail(lineNumber, "unterminated key name");
      std::string_view name = line.substr(1, line.size() - 2);
      if (!StartsWithFolded(name, kRootName))
        return fail(lineNumber, "key outside HKEY_CURRENT_USER");
      name.remove_prefix(kRootName.size());
      if (!name.empty()) {
        if (name.front() != '\\') return fail(lineNumber, "key outside HKEY_CURRENT_USER");
        name.remove_prefix(1);
        if (name.empty()) return fail(lineNumber, "malformed key name");
      }
      if (static_cast<std::size_t>(std::count(name.begin(), name.end(), '\\')) >=
          kMaxHiveKeyDepth) {
        return fail(lineNumber, "key nested too deeply");
      }
      if (!IsValidHiveKeyPath(name)) return fail(lineNumber, "malformed key name");
      current = &tree.create(name);
      continue;
    }
    if (line.front() != '"' && line.front() != '@') return fail(lineNumber, "unexpected text");
    if (!current) return fail(lineNumber, "value outside a key");
    std::string name;
    if (line.front() == '@') {
      line.remove_prefix(1);
    } else {
      auto quoted = TakeQuoted(line);
      if (!quoted) return fail(lineNumber, "malformed value name");
      name = std::move(*quoted);
    }
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '=') return fail(lineNumber, "missing '='");
    line.remove_prefix(1);
    // Hex lists continue on the next line after a trailing backslash.
    std::string data(line);
    while (!data.empty() && data.back() == '\\' && StartsWithFolded(TrimBlanks(data), "hex")) {
      if (i + 1 >= lines.size()) return fail(lineNumber, "unterminated hex list");
      data.pop_back();
      data += TrimBlanks(lines[++i]);
    }
    auto value = ParseValueData(data, form);
    if (!value) return fail(lineNumber, "malformed value data");
    current->set(name, *value);
  }
  if (!headerSeen) return fail(1, "empty file");
  return tree;
}

std::string FormatHiveText(const HiveTree& tree) {
  std::string out(kHeader);
  out += "\n";
  // A key without values that has sub-keys is implied by them and gets no line of its own: the
  // text, like the tree, grows with the keys' names and not with their depth times their length.
  const auto writeKey = [&out](const HiveKeyNode& key, std::string_view path) {
    if (key.values.empty() && !key.subKeys.empty()) return;
    out += "\n[";
    out += kRootName;
    if (!path.empty()) {
      out += "\\";
      out += path;
    }
    out += "]\n";
    for (const auto& [name, value] : key.values) AppendValue(out, name, value);
  };
  if (tree.rootExists()) writeKey(tree.root(), "");
  // Depth first without recursion, the path of the key at hand kept in one buffer.
  struct Level {
    const HiveKeyNode* key;
    std::map<std::string, std::unique_ptr<HiveKeyNode>>::const_iterator next;
    std::size_t pathLength;
  };
  std::string path;
  std::vector<Level> levels{{&tree.root(), tree.root().subKeys.begin(), 0}};
  while (!levels.empty()) {
    Level& level = levels.back();
    if (level.next == level.key->subKeys.end()) {
      path.resize(level.pathLength);
      levels.pop_back();
      continue;
    }
    const HiveKeyNode& key = *(level.next++)->second;
    const std::size_t parentLength = path.size();
    if (!path.empty()) path.push_back('\\');
    path += key.name;
    writeKey(key, path);
    levels.push_back({&key, key.subKeys.begin(), parentLength});
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
      out.push_back(b0);
      ++i;
      continue;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
      length = 2, cp = b0 & 0x1F, minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
      length = 3, cp = b0 & 0x0F, minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
      length = 4, cp = b0 & 0x07, minimum = 0x10000;
    }
    bool valid = length > 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      if ((b & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (b & 0x3F);
    }
    if (valid && (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) valid = false;
    if (!valid) {
      out.push_back(static_cast<char16_t>(0xDC00 + b0));  // the stray byte, kept
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += length;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xDC80 && cp <= 0xDCFF) {
      out.push_back(static_cast<char>(cp - 0xDC00));  // a byte kept from invalid UTF-8
      continue;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace qorl
