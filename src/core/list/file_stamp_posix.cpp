// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

#include "core/list/file_stamp.h"

namespace qorl {
namespace {

constexpr std::uint32_t kFirstDosDay = ((1u << 5) | 1u) << 16;  // 1 Jan 1980, 00:00:00

// Packs a local time into the DOS form: date (years since 1980, month, day) in the high word,
// time (hours, minutes, seconds / 2) in the low word. A time outside the years 1980 to 2107 has
// no DOS form: exact is then set to the time itself.
std::uint32_t PackDosDateTime(time_t seconds, std::optional<std::int64_t>& exact) {
  exact.reset();
  struct tm local {};
  if (localtime_r(&seconds, &local) == nullptr) {
    exact = static_cast<std::int64_t>(seconds);
    return kFirstDosDay;
  }
  int year = local.tm_year + 1900 - 1980;
  if (year < 0 || year > 127) {
    exact = static_cast<std::int64_t>(seconds);
    if (year < 0) return kFirstDosDay;  // reads as the earliest DOS date
    year = 127;
  }
  const std::uint32_t date = (static_cast<std::uint32_t>(year) << 9) |
                             (static_cast<std::uint32_t>(local.tm_mon + 1) << 5) |
                             static_cast<std::uint32_t>(local.tm_mday);
  const std::uint32_t time = (static_cast<std::uint32_t>(local.tm_hour) << 11) |
                             (static_cast<std::uint32_t>(local.tm_min) << 5) |
                             static_cast<std::uint32_t>(local.tm_sec / 2);
  return (date << 16) | time;
}

time_t UnpackDosDateTime(std::uint32_t packed) {
  struct tm local {};
  const std::uint32_t date = packed >> 16;
  const std::uint32_t time = packed & 0xFFFFu;
  local.tm_year = static_cast<int>((date >> 9) & 0x7Fu) + 1980 - 1900;
  local.tm_mon = static_cast<int>((date >> 5) & 0x0Fu) - 1;
  local.tm_mday = static_cast<int>(date & 0x1Fu);
  local.tm_hour = static_cast<int>((time >> 11) & 0x1Fu);
  local.tm_min = static_cast<int>((time >> 5) & 0x3Fu);
  local.tm_sec = static_cast<int>(time & 0x1Fu) * 2;
  local.tm_isdst = -1;
  return mktime(&local);
}

}  // namespace

std::optional<FileStamp> ReadFileStamp(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
  FileStamp stamp;
  stamp.dosDateTime = PackDosDateTime(info.st_mtim.tv_sec, stamp.exactTime);
  stamp.size = static_cast<std::int64_t>(info.st_size);
  stamp.readOnly = (info.st_mode & S_IWUSR) == 0;
  return stamp;
}

bool ApplyFileStamp(const std::string& path, const FileStamp& stamp) {
  bool ok = true;
  const time_t when = stamp.exactTime ? static_cast<time_t>(*stamp.exactTime)
                                      : UnpackDosDateTime(stamp.dosDateTime);
  if (when == static_cast<time_t>(-1)) {
    ok = false;
  } else {
    struct timespec times[2] = {{0, UTIME_OMIT}, {when, 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) ok = false;
  }
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return false;
  mode_t mode = info.st_mode & 07777;
  mode = stamp.readOnly ? (mode & ~static_cast<mode_t>(S_IWUSR)) : (mode | S_IWUSR);
  if (::chmod(path.c_str(), mode) != 0) ok = false;
  return ok;
}

}  // namespace qorl
