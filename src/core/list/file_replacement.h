#pragma once
// Replacing a file in one step: the new bytes go to a temporary file beside it, which is flushed
// to disk and then renamed over the file. A temporary is named after its file: the file's name,
// a marker and a random suffix. While it is written its writer holds a lock on it; one that
// nobody holds was left by a writer that was killed, and is removed when the same file is next
// replaced.

#include <cstdint>
#include <string>
#include <string_view>

namespace qorl {

// How the temporaries of one kind of file are named: file name + marker + a suffix of
// suffixLength characters (0-9, a-z, and A-Z when mixedCase). Shorter suffixes, down to
// shortestSuffix, are recognised too (earlier versions wrote them).
struct TemporaryNaming {
  std::string_view marker;
  std::size_t suffixLength = 0;
  std::size_t shortestSuffix = 0;
  bool mixedCase = false;
  bool privateFile = false;  // created for the owner only (else as the umask allows)
};

// True when name (without folder) is a temporary of the file named fileName.
bool IsTemporaryName(std::string_view name, std::string_view fileName,
                     const TemporaryNaming& naming);

class FileReplacement {
 public:
  FileReplacement(std::string target, const TemporaryNaming& naming);
  ~FileReplacement();  // removes the temporary unless it was committed
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Removes abandoned temporaries of the target and creates a new one. False on failure, with a
  // short reason (UTF-8).
  bool begin(std::string& reason);
  // Appends bytes to the temporary.
  bool write(std::string_view bytes, std::string& reason);
  // Flushes the temporary to disk, closes it and renames it over the target; on failure the
  // temporary is removed and the target is untouched.
  bool commit(std::string& reason);

  const std::string& target() const { return target_; }
  const std::string& temporary() const { return temporary_; }

 private:
  // Platform steps: create the temporary (exclusive, held by this writer), discard it.
  bool create(std::string& reason);
  void discard();

  std::string target_;
  TemporaryNaming naming_;
  std::string temporary_;
  bool open_ = false;
  std::intptr_t handle_ = -1;  // the temporary's file descriptor or handle while open_
};

// Removes the file at path when no writer holds it (its writer is gone); true when removed.
bool RemoveIfAbandoned(const std::string& path);

// Removes the temporaries of target that no writer holds; returns how many went.
int RemoveAbandonedTemporaries(const std::string& target, const TemporaryNaming& naming);

// The settings file's temporaries: "Qorl Viewer.reg.XXXXXX"; the index's: "NAME.qorlv.tmp-xxxx".
// "bad" followed by digits is the settings file's own moved-aside copy (".bad", ".bad2", ...),
// never a temporary.
inline constexpr TemporaryNaming kSettingsTemporary{".", 6, 6, true, true};
inline constexpr TemporaryNaming kIndexTemporary{".tmp-", 13, 1, false, false};

}  // namespace qorl
