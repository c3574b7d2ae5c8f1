#pragma once
// A minimal splitter of list files into topics, for tests and benchmarks that need the topic
// table of a real list (CR LF lines): separator lines of 36 to 74 characters with dashes at
// columns 1-8 and 10, the identifier from columns 11 to L-1 with dashes as blanks, trimmed; the
// title is the next line (none for '!' topics). The whole file stays in memory so that topic
// text can be taken by offset and length.

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "core/list/topic_table.h"
#include "core/search/text_rules.h"

namespace qorl::test_support {

struct MiniScannedList {
  std::string bytes;
  TopicTable table;

  std::string_view topicBytes(TopicNumber n) const {
    const TopicRecord& r = table.record(n);
    return std::string_view(bytes).substr(std::min<std::size_t>(r.offset, bytes.size()),
                                          static_cast<std::size_t>(r.length));
  }
};

inline bool IsSeparatorLineForTests(std::string_view line) {
  return line.size() >= 36 && line.size() <= 74 && line.substr(0, 8) == "--------" &&
         line[9] == '-';
}

// Reads and splits the file at path; false when it cannot be read.
inline bool MiniScanList(const std::string& path, MiniScannedList& out) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  out.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  out.table.clear();
  const std::string_view all(out.bytes);
  std::string identifier = "[List Info]", title;
  unsigned char category = '!';
  std::size_t start = 0;
  bool titlePending = false;
  for (std::size_t pos = 0; pos < all.size();) {
    const std::size_t end = std::min(all.find("\r\n", pos), all.size());
    const std::string_view line = all.substr(pos, end - pos);
    if (IsSeparatorLineForTests(line)) {
      if (pos - start > 2)  // topics of one empty line or less are dropped
        out.table.append(identifier, category, static_cast<std::int32_t>(start),
                         static_cast<std::int32_t>(pos - start), title);
      identifier.assign(line.substr(10, line.size() - 11));
      std::replace(identifier.begin(), identifier.end(), '-', ' ');
      identifier = std::string(TrimmedView(identifier));
      category = static_cast<unsigned char>(line[8]);
      title.clear();
      titlePending = category != '!';
    } else if (titlePending) {
      title.assign(line);
      std::replace(title.begin(), title.end(), '\t', ' ');
      titlePending = false;
    }
    pos = end + 2;
    if (IsSeparatorLineForTests(line)) start = std::min(pos, all.size());
  }
  out.table.append(identifier, category, static_cast<std::int32_t>(start),
                   static_cast<std::int32_t>(all.size() - start), title);
  return true;
}

}  // namespace qorl::test_support
