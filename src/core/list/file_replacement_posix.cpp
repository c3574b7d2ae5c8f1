// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/list/file_replacement.h"

namespace qorl {

namespace {

// Some systems refuse to replace a read-only file: the old one is made writable for a retry.
bool RenameOver(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  const int error = errno;
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(to, ignored)) return false;
  std::filesystem::permissions(to, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add, ignored);
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  errno = error;
  return false;
}

}  // namespace

bool RemoveIfAbandoned(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info {};
  // A writer holds its lock until the rename; a lock that can be had has no writer behind it.
  const bool abandoned = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                         ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(path.c_str()) == 0;
  ::close(fd);
  return abandoned;
}

bool FileReplacement::create(std::string& reason) {
  reason.clear();
  const mode_t mode = naming_.privateFile ? 0600 : 0666;
  const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) {
    if (errno != EEXIST) reason = std::strerror(errno);
    return false;
  }
  // Locked at once; a cleaner that came between creating and locking has unlinked it.
  struct stat info {};
  if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink == 0) {
    ::close(fd);
    return false;
  }
  handle_ = fd;
  open_ = true;
  return true;
}

bool FileReplacement::write(std::string_view bytes, std::string& reason) {
  if (!open_) return false;
  while (!bytes.empty()) {
    const ssize_t written = ::write(static_cast<int>(handle_), bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      reason = std::strerror(errno);
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool FileReplacement::commit(std::string& reason) {
  if (!open_) return false;
  bool ok = ::fsync(static_cast<int>(handle_)) == 0;
  if (!ok) reason = std::strerror(errno);
  // The rename happens while the lock is held, so no cleaner takes the file before it.
  if (ok && !RenameOver(temporary_, target_)) {
    ok = false;
    reason = std::strerror(errno);
  }
  const bool closed = ::close(static_cast<int>(handle_)) == 0;
  open_ = false;
  if (!ok) {
    ::unlink(temporary_.c_str());
    return false;
  }
  if (!closed) reason = std::strerror(errno);
  // Make the rename itself lasting; a failure here changes nothing already done.
  const std::filesystem::path folder = std::filesystem::path(target_).parent_path();
  const int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  temporary_.clear();
  return true;
}

void FileReplacement::discard() {
  if (open_) {
    ::close(static_cast<int>(handle_));
    open_ = false;
    ::unlink(temporary_.c_str());
  }
}

}  // namespace qorl
