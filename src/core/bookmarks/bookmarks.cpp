// SPDX-License-Identifier: MIT
#include "core/bookmarks/bookmarks.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "core/browse/codepage437.h"
#include "core/list/list_kind.h"
#include "core/list/utf8.h"
#include "core/settings/settings_store.h"

namespace qorl {
namespace {

constexpr char kFieldSeparator = '\t';

std::string Utf8FromCp437(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) AppendUtf8(out, Cp437ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

// Backslash, tab and line breaks escaped, so that fields can be joined by tabs.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::vector<std::string> SplitFields(std::string_view text) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == kFieldSeparator) {
      fields.emplace_back();
    } else if (c == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      fields.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

bool Same(const TopicTable& table, TopicNumber n, const Bookmark& b, bool withTitle) {
  return table.identifier(n) == b.identifier && (!withTitle || table.title(n) == b.title);
}

}  // namespace

std::string DefaultBookmarkLabel(const Bookmark& bookmark) {
  std::string label(FileNameOf(bookmark.listPath));
  label += ' ';
  label += Utf8FromCp437(bookmark.identifier);
  if (!bookmark.title.empty()) {
    label += ' ';
    label += Utf8FromCp437(bookmark.title);
  }
  return label;
}

std::string BookmarkLabel(const Bookmark& bookmark) {
  return bookmark.label.empty() ? DefaultBookmarkLabel(bookmark) : bookmark.label;
}

TopicNumber FindBookmarkedTopic(const TopicTable& table, const Bookmark& bookmark) {
  if (table.isValid(bookmark.number) && Same(table, bookmark.number, bookmark, true))
    return bookmark.number;
  for (const bool withTitle : {true, false}) {
    TopicNumber best = -1;
    for (TopicNumber n = 0; n < table.count(); ++n) {
      if (!Same(table, n, bookmark, withTitle)) continue;
      if (best < 0 || std::abs(static_cast<std::int64_t>(n) - bookmark.number) <
                          std::abs(static_cast<std::int64_t>(best) - bookmark.number))
        best = n;
    }
    if (best >= 0) return best;
  }
  return -1;
}

std::string EncodeBookmark(const Bookmark& bookmark) {
  std::string text = Escaped(bookmark.listPath);
  text += kFieldSeparator;
  text += std::to_string(bookmark.number);
  text += kFieldSeparator;
  text += Escaped(Utf8FromCp437(bookmark.identifier));
  text += kFieldSeparator;
  text += Escaped(Utf8FromCp437(bookmark.title));
  text += kFieldSeparator;
  text += Escaped(bookmark.label);
  return text;
}

bool DecodeBookmark(const std::string& text, Bookmark& out) {
  const std::vector<std::string> fields = SplitFields(text);
  if (fields.size() != 5 || fields[0].empty()) return false;
  Bookmark b;
  b.listPath = fields[0];
  const auto number =
      std::from_chars(fields[1].data(), fields[1].data() + fields[1].size(), b.number);
  if (number.ec != std::errc() || number.ptr != fields[1].data() + fields[1].size()) return false;
  if (!EncodeCp437FromUtf8(fields[2], b.identifier) || !EncodeCp437FromUtf8(fields[3], b.title))
    return false;
  b.label = fields[4];
  out = std::move(b);
  return true;
}

std::string BookmarksKeyPath(std::int32_t major) {
  return SettingsKeyPath(major) + "\\Bookmarks";
}

std::vector<Bookmark> LoadBookmarks(SettingsHive& hive, std::int32_t major,
                                    MessageService& messages) {
  HiveOperation operation(hive, messages);
  std::vector<Bookmark> bookmarks;
  const std::unique_ptr<HiveKey> key = hive.openKey(BookmarksKeyPath(major));
  if (!key) return bookmarks;
  // Values in their stored order: "1", "2", ... by number; other names are not ours.
  std::vector<std::pair<std::uint32_t, std::string>> names;
  for (const std::string& name : key->valueNames()) {
    std::uint32_t place = 0;
    const auto r = std::from_chars(name.data(), name.data() + name.size(), place);
    if (r.ec == std::errc() && r.ptr == name.data() + name.size()) names.emplace_back(place, name);
  }
  std::sort(names.begin(), names.end());
  for (const auto& [place, name] : names) {
    const std::optional<HiveValue> value = key->queryValue(name);
    Bookmark bookmark;
    if (!value || value->type != HiveValueType::String || !DecodeBookmark(value->data, bookmark)) {
      messages.error(InvalidDataTypeMessage(name));
      continue;
    }
    bookmarks.push_back(std::move(bookmark));
  }
  return bookmarks;
}

void SaveBookmarks(SettingsHive& hive, std::int32_t major, const std::vector<Bookmark>& bookmarks,
                   MessageService& messages) {
  HiveOperation operation(hive, messages);
  hive.deleteKeyTree(BookmarksKeyPath(major));
  if (bookmarks.empty()) return;
  const std::unique_ptr<HiveKey> key = hive.createKey(BookmarksKeyPath(major));
  if (!key) return;
  for (std::size_t i = 0; i < bookmarks.size(); ++i) {
    if (!key->setValue(std::to_string(i + 1), HiveValue::string(EncodeBookmark(bookmarks[i])))) {
      messages.error(FailedToSetDataMessage(std::to_string(i + 1)));
      operation.failureShown();
      return;
    }
  }
}

}  // namespace qorl
