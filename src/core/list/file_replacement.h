// SPDX-License-Identifier: MIT
#pragma once
// Replacing a file in one step: the new bytes go to a temporary file beside it, which is flushed
// to disk and then renamed over the file. A temporary is named after its file (see
// temporary_name.h). While it is written its writer holds a lock on it; one of our temporaries
// that nobody holds was left by a writer that was killed, and is removed when the same file is
// next replaced. Files whose names do not prove them ours are never touched.

#include <cstdint>
#include <string>
#include <string_view>

namespace qorl {

// How the temporaries of one kind of file are created.
struct TemporaryNaming {
  bool privateFile = false;  // created for the owner only (else as the umask allows)
};

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

// Removes our temporaries of target that no writer holds; returns how many went.
int RemoveAbandonedTemporaries(const std::string& target);

// The settings file's temporaries are the user's own; the index's are shared like the index.
inline constexpr TemporaryNaming kSettingsTemporary{true};
inline constexpr TemporaryNaming kIndexTemporary{false};

}  // namespace qorl
