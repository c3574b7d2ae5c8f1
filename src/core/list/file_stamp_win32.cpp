#include <windows.h>

#include "core/list/file_path.h"
#include "core/list/file_stamp.h"

namespace qorl {
namespace {

// The earliest DOS date-time, 1 Jan 1980 00:00: what a file written before 1980 reads as.
constexpr std::uint32_t kFirstDosDateTime = ((1u << 5) | 1u) << 16;

}  // namespace

std::optional<FileStamp> ReadFileStamp(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(WideFromUtf8(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  FileStamp stamp;
  FILETIME local{};
  SYSTEMTIME when{};
  WORD date = 0;
  WORD time = 0;
  if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local)) {
    if (FileTimeToSystemTime(&local, &when) && when.wYear < 1980) {
      stamp.dosDateTime = kFirstDosDateTime;
    } else if (FileTimeToDosDateTime(&local, &date, &time)) {
      stamp.dosDateTime = (static_cast<std::uint32_t>(date) << 16) | time;
    }
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
  if (DosDateTimeToFileTime(static_cast<WORD>(stamp.dosDateTime >> 16),
                            static_cast<WORD>(stamp.dosDateTime & 0xFFFF), &local) &&
      LocalFileTimeToFileTime(&local, &utc)) {
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
