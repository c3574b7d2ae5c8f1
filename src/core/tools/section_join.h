// SPDX-License-Identifier: MIT
#pragma once
// Joining the section files of the interrupt list (INTERRUP.A, INTERRUP.B, ... or PORTS.A, ...)
// into INTERRUP.LST or PORTS.LST without COMBINE.COM, with the same result as that tool:
//
// - Sections are tried in the order A, B, C, ...; a missing one (or one that is not a regular
//   file) is skipped. Names are matched in any case of letters, as DOS does.
// - A section whose first bytes are "Interrupt List, part " ("Ports List, part " for the ports)
//   sets the number of sections: after that text the word up to the next blank is skipped, then
//   the blank and three more bytes ("of "), and the digits that follow are the count (taken
//   modulo 256, as the tool does; no digits count 0). The last section read with such a line
//   decides. Joining stops once the section whose position equals that count has been tried (at
//   once when the count is already passed); without any such line it stops after the 26th (Z).
// - The combined file holds the sections' bytes one after the other, unchanged, and gets the
//   last-write time of the last section taken, in the DOS form (two-second steps).
// - With deletion, every section taken is deleted.
//
// Unlike the tool, nothing is ever lost: the combined file is written to a temporary beside it
// and renamed over the old list only once it is complete and on disk; sections are deleted only
// after that. A section that cannot be read, a full disk or a cancel leave the old list and every
// section as they were, and a folder without sections leaves an existing list alone.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/list/file_replacement.h"

namespace qorl {

// The temporaries of the combined file, named as every temporary of ours is (temporary_name.h).
inline constexpr TemporaryNaming kJoinTemporary{false};

// Reads the section count from a section's first bytes, fed in pieces of any size.
class SectionHeaderReader {
 public:
  explicit SectionHeaderReader(bool ports);
  void feed(std::string_view bytes);
  // Whether the reader still needs bytes (false once the count or its absence is known).
  bool wantsMore() const { return state_ != State::kDone && state_ != State::kNoHeader; }
  // The count, once the whole section has been fed; nothing when the section has no such line.
  std::optional<unsigned> count() const;

 private:
  enum class State { kPrefix, kWord, kSkip, kDigits, kDone, kNoHeader };
  std::string_view prefix_;
  State state_ = State::kPrefix;
  std::size_t matched_ = 0;
  int skipped_ = 0;
  unsigned value_ = 0;
};

struct SectionJoinOptions {
  bool ports = false;           // PORTS.A ... into PORTS.LST, else INTERRUP.A ... into INTERRUP.LST
  bool deleteSections = false;  // delete the sections taken once the list is written
};

enum class SectionJoinOutcome {
  kJoined,       // the list is written (deletions may still have failed: notDeleted)
  kNoSections,   // no section was found; nothing written
  kReadFailed,   // a section could not be read; nothing written, nothing deleted
  kWriteFailed,  // the combined file could not be written; the old list is as it was
  kCancelled,    // stopped on request; nothing written, nothing deleted
};

struct SectionJoinResult {
  SectionJoinOutcome outcome = SectionJoinOutcome::kNoSections;
  std::string listName;                 // "INTERRUP.LST" or "PORTS.LST"
  std::string listPath;                 // the combined file (an existing one in any case)
  std::vector<std::string> tried;       // DOS names in order: "INTERRUP.A", ...
  std::vector<bool> taken;              // per entry of tried: found and joined
  std::vector<std::string> takenPaths;  // the sections joined, in order
  std::int64_t bytes = 0;               // size of the combined file
  std::vector<std::string> notDeleted;  // sections deletion could not remove
  std::string failedPath;               // the file of a read or write failure
  std::string reason;                   // the system's reason for a failure
};

// Called after each section tried with the share done, 0..100. Runs on the joining thread.
using SectionJoinProgress = std::function<void(int percent)>;

// Joins the sections in folder. cancel, when given, is read between reads.
SectionJoinResult JoinSections(const std::string& folder, const SectionJoinOptions& options,
                               const SectionJoinProgress& progress = {},
                               const std::atomic<bool>* cancel = nullptr);

// The message for a result that did not fully succeed (UTF-8); empty for a clean join.
std::string SectionJoinMessage(const SectionJoinResult& result);

}  // namespace qorl
