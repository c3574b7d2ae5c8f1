// SPDX-License-Identifier: MIT
#include <windows.h>

#include "core/list/file_path.h"
#include "core/list/file_stamp.h"

namespace qorl {
namespace {

// FILETIME counts 100-nanosecond steps from 1601; exact times count seconds from 1970.
constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kTicksTo1970 = 116'444'736'000'000'000;

std::int64_t SecondsOf(const FILETIME& utc) {
  const auto ticks = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime);
  return (ticks - kTicksTo1970) / kTicksPerSecond;
}

FILETIME FileTimeOf(std::int64_t seconds) {
  const auto ticks = static_cast<std::uint64_t>(seconds * kTicksPerSecond + kTicksTo1970);
  FILETIME utc{};
  utc.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
  utc.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return utc;
}

}  // namespace

std::optional<FileStamp> ReadFileStamp(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(WideFromUtf8(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  FileStamp stamp;
  FILETIME local{};
  WORD date = 0;
  WORD time = 0;
  if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) &&
      FileTimeToDosDateTime(&local, &date, &time)) {
    stamp.dosDateTime = (static_cast<std::uint32_t>(date) << 16) | time;
  } else {
    // Outside 1980 to 2107: every such time has the same DOS value, so the exact time decides.
    stamp.dosDateTime = ((1u << 5) | 1u) << 16;
    stamp.exactTime = SecondsOf(data.ftLastWriteTime);
  }
  stamp.size = (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  stamp.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  return stamp;
}

bool ApplyFileStamp(const std::string& path, const FileStamp& stamp) {
  const std::wstring wide = WideFromUtf8(path);
  bool ok = false;
  FILETIME local{};
  FILETIME utc{};
  const bool haveTime =
      stamp.exactTime
          ? (utc = FileTimeOf(*stamp.exactTime), true)
          : DosDateTimeToFileTime(static_cast<WORD>(stamp.dosDateTime >> 16),
                                  static_cast<WORD>(stamp.dosDateTime & 0xFFFF), &local) &&
                LocalFileTimeToFileTime(&local, &utc);
  if (haveTime) {
    HANDLE file =
        CreateFileW(wide.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      ok = SetFileTime(file, nullptr, nullptr, &utc) != 0;
      CloseHandle(file);
    }
  }
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD wanted = stamp.readOnly ? (attributes | FILE_ATTRIBUTE_READONLY)
                                      : (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  if (wanted != attributes && !SetFileAttributesW(wide.c_str(), wanted)) ok = false;
  return ok;
}

}  // namespace qorl
