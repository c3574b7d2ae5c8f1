#pragma once
// A minimal splitter of list files into topics, for tests and benchmarks that need a topic table
// of a real list: separator lines of 36 to 74 characters with dashes at columns 1-8 and 10, the
// identifier from columns 11 to L-1 with dashes as blanks, trimmed; the title is the next line
// (none for '!' topics); lines end at CR (a following LF is consumed), a Ctrl-Z ends the file.
// It keeps the whole file in memory so that topic text can be taken by offset and length.

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "core/list/topic_table.h"
#include "core/search/text_rules.h"

namespace qorl::test_support {

struct MiniScannedList {
  std::string bytes;  // the whole file
  TopicTable table;

  // Topic n's bytes (offset and length as in the table), cut at the end of the file.
  std::string_view topicBytes(TopicNumber n) const {
    const TopicRecord& record = table.record(n);
    const auto offset = static_cast<std::size_t>(record.offset);
    if (offset >= bytes.size()) return {};
    return std::string_view(bytes).substr(offset, static_cast<std::size_t>(record.length));
  }
};

inline bool IsSeparatorLineForTests(std::string_view line) {
  if (line.size() < 36 || line.size() > 74) return false;
  for (std::size_t i = 0; i < 8; ++i)
    if (line[i] != '-') return false;
  return line[9] == '-';
}

// Reads and splits the file at path; false when it cannot be read.
inline bool MiniScanList(const std::string& path, MiniScannedList& out) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  out.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  out.table.clear();
  const std::string_view all(out.bytes);

  struct Pending {
    std::string identifier;
    unsigned char category = '!';
    std::int64_t start = 0;
    std::string title;
  } pending;
  bool started = false;
  bool titlePending = false;
  std::int64_t counted = 0;
  std::size_t pos = 0;
  bool endOfFile = all.empty();
  while (!endOfFile) {
    std::size_t end = all.find_first_of("\r\x1A", pos);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view line = all.substr(pos, end - pos);
    counted += static_cast<std::int64_t>(line.size()) + 2;
    if (end >= all.size() || all[end] == '\x1A') {
      endOfFile = true;
    } else {
      pos = end + 1;
      if (pos < all.size() && all[pos] == '\n') ++pos;
      endOfFile = pos >= all.size();
    }

    if (IsSeparatorLineForTests(line)) {
      if (!started) {
        started = true;
        pending = {"[List Info]", '!', 0, ""};
      }
      const std::int64_t separatorStart = counted - static_cast<std::int64_t>(line.size()) - 2;
      if (separatorStart - pending.start > 2) {
        out.table.append(pending.identifier, pending.category,
                         static_cast<std::int32_t>(pending.start),
                         static_cast<std::int32_t>(separatorStart - pending.start), pending.title);
      }
      std::string identifier(line.substr(10, line.size() - 11));
      for (char& c : identifier)
        if (c == '-') c = ' ';
      pending = {std::string(TrimmedView(identifier)), static_cast<unsigned char>(line[8]), counted,
                 ""};
      titlePending = pending.category != '!';
    } else if (titlePending) {
      pending.title.assign(line);
      for (char& c : pending.title)
        if (c == '\t') c = ' ';
      titlePending = false;
    }
  }
  if (!started) return true;  // no topics: the callers here only need real lists
  out.table.append(pending.identifier, pending.category, static_cast<std::int32_t>(pending.start),
                   static_cast<std::int32_t>(counted - pending.start), pending.title);
  return true;
}

}  // namespace qorl::test_support
