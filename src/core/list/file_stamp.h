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
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path; nothing when there is no such file.
std::optional<FileStamp> ReadFileStamp(const std::string& path);

// Gives the file at path the stamp's last-write time and read-only attribute. False on failure.
bool ApplyFileStamp(const std::string& path, const FileStamp& stamp);

}  // namespace qorl
