// SPDX-License-Identifier: MIT
#pragma once
// The list file scanner: one pass over a list file that builds its topic table from the
// separator lines.

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "core/list/busy.h"
#include "core/list/topic_table.h"

namespace qorl {

// The largest list file: offsets and lengths are signed 32-bit byte counts.
inline constexpr std::int64_t kMaxListSize = 0x7FFFFFFF;

struct ScanOptions {
  bool parseTopics = true;    // split into topics at separator lines; else one whole-file topic
  std::int64_t fileSize = 0;  // from the list's directory entry; sets the progress unit
  std::string listFileName;   // file name without directory, names the whole-file topic
  std::size_t readSize = 0;   // bytes asked of the stream per read; 0 for the usual 256 KiB
};

enum class ScanStatus {
  Ok,          // the table holds every topic of the file
  ReadFailed,  // reading failed part-way; the table is empty
  TooLarge,    // the file exceeds kMaxListSize bytes (or a topic would start beyond them); the
               // table is empty
};

// True for a line of 36 to 74 characters whose characters 1-8 and 10 are '-'.
bool IsSeparatorLine(std::string_view line);

// The identifier of a separator line: characters 11 to L - 1 with '-' made blanks, then trimmed.
std::string SeparatorIdentifier(std::string_view line);

// Reads the list from in and replaces table with its topics. Reports progress 0..100 through
// busy (only setProgress is called; the caller begins and ends the busy pattern).
ScanStatus ScanTopics(std::istream& in, const ScanOptions& options, TopicTable& table,
                      BusyIndicator& busy);

}  // namespace qorl
