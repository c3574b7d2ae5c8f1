// SPDX-License-Identifier: MIT
#pragma once
// A file's directory entry as the list library compares it: last-write stamp as a packed DOS
// date-time in local time (2-second resolution), size and the read-only attribute.

#include <cstdint>
#include <optional>
#include <string>

namespace qorl {

struct FileStamp {
  std::uint32_t dosDateTime = 0;  // date in the high 16 bits, time in the low 16 bits
  std::int64_t size = 0;
  bool readOnly = false;  // the owner may not write the file
  // The last-write time in whole seconds since 1970 (UTC), set only when the DOS form cannot
  // hold it (before 1980 or after 2107): every such time packs to the same DOS value.
  std::optional<std::int64_t> exactTime;
  bool operator==(const FileStamp&) const = default;
};

// True when an index with stamp `index` is current for a list with stamp `list`: their DOS
// stamps are equal and, for a list time the DOS form cannot hold, so are their exact times.
inline bool SameLastWrite(const FileStamp& list, const FileStamp& index) {
  return list.dosDateTime == index.dosDateTime && list.exactTime == index.exactTime;
}

// The stamp of the file at path; nothing when there is no such file.
std::optional<FileStamp> ReadFileStamp(const std::string& path);

// Gives the file at path the stamp's last-write time (the exact time when there is one) and
// read-only attribute. False on failure.
bool ApplyFileStamp(const std::string& path, const FileStamp& stamp);

}  // namespace qorl
