// SPDX-License-Identifier: MIT
#pragma once
// A list file scanned by the list scanner, with its bytes kept for the topics' text: a real list
// read without a session, for the tests and benchmarks that go over every topic of it.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "core/list/busy.h"
#include "core/list/list_scanner.h"

namespace qorl::test {

struct ScannedList {
  std::string bytes;
  TopicTable table;

  std::string_view topicBytes(TopicNumber n) const {
    const TopicRecord& r = table.record(n);
    return std::string_view(bytes).substr(
        std::min(static_cast<std::size_t>(r.offset), bytes.size()),
        static_cast<std::size_t>(r.length));
  }
};

// Reads and scans the list file at path; false when it cannot be read or scanned.
inline bool ScanList(const std::string& path, ScannedList& out) {
  std::ifstream in(path, std::ios::binary);
  out.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  in.clear();
  in.seekg(0);
  ScanOptions options;
  options.fileSize = static_cast<std::int64_t>(out.bytes.size());
  options.listFileName = std::filesystem::path(path).filename().string();
  NullBusyIndicator busy;
  return in && ScanTopics(in, options, out.table, busy) == ScanStatus::Ok;
}

}  // namespace qorl::test
