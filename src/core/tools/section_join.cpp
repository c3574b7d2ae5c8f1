// SPDX-License-Identifier: MIT
#include "core/tools/section_join.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "core/list/ascii.h"
#include "core/list/file_path.h"
#include "core/list/file_stamp.h"

namespace qorl {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kInterrupPrefix = "Interrupt List, part ";
constexpr std::string_view kPortsPrefix = "Ports List, part ";
constexpr unsigned kDefaultCount = 26;  // A to Z
constexpr std::size_t kBlockSize = 1 << 20;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForReading(const std::string& path) {
  return File(OpenFile(path, "rb"));
}

// The regular files of folder by name; a name not representable as UTF-8 is left out.
std::vector<std::string> RegularFileNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(FilePath(folder), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    names.push_back(Utf8Path(it->path().filename()));
  }
  return names;
}

// The entry named like name in any case of letters: the exact spelling first, else the first.
const std::string* FindFolded(const std::vector<std::string>& names, std::string_view name) {
  const std::string* found = nullptr;
  for (const std::string& entry : names) {
    if (entry == name) return &entry;
    if (found == nullptr && EqualsFolded(entry, name)) found = &entry;
  }
  return found;
}

// A section letter DOS accepts in a name: none of the separators and control codes.
bool IsNameCharacter(unsigned char c) {
  return c > ' ' && c != '\\' && c != '/' && c != ':' && c != '.';
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return Utf8Path(FilePath(folder) / FilePath(name));
}

}  // namespace

SectionHeaderReader::SectionHeaderReader(bool ports)
    : prefix_(ports ? kPortsPrefix : kInterrupPrefix) {}

void SectionHeaderReader::feed(std::string_view bytes) {
  for (const char c : bytes) {
    switch (state_) {
      case State::kPrefix:
        if (c != prefix_[matched_]) {
          state_ = State::kNoHeader;
          return;
        }
        if (++matched_ == prefix_.size()) state_ = State::kWord;
        break;
      case State::kWord:  // the part number, whatever it holds, up to a blank
        if (c == ' ') state_ = State::kSkip;
        break;
      case State::kSkip:  // "of " or any three bytes
        if (++skipped_ == 3) state_ = State::kDigits;
        break;
      case State::kDigits:
        if (c < '0' || c > '9') {
          state_ = State::kDone;
          return;
        }
        value_ = (value_ * 10 + static_cast<unsigned>(c - '0')) & 0xFFu;
        break;
      case State::kDone:
      case State::kNoHeader:
        return;
    }
  }
}

std::optional<unsigned> SectionHeaderReader::count() const {
  if (state_ == State::kPrefix || state_ == State::kNoHeader) return std::nullopt;
  return value_;  // 0 when the line ended before its digits
}

SectionJoinResult JoinSections(const std::string& folder, const SectionJoinOptions& options,
                               const SectionJoinProgress& progress,
                               const std::atomic<bool>* cancel) {
  SectionJoinResult result;
  const std::string base = options.ports ? "PORTS" : "INTERRUP";
  result.listName = base + ".LST";
  const std::vector<std::string> names = RegularFileNames(folder);
  const std::string* existing = FindFolded(names, result.listName);
  result.listPath = JoinPath(folder, existing != nullptr ? *existing : result.listName);

  FileReplacement output(result.listPath, kJoinTemporary);
  bool started = false;
  std::string lastTaken;
  std::string block(kBlockSize, '\0');
  unsigned count = kDefaultCount;
  for (unsigned i = 0;; ++i) {
    const auto letter = static_cast<unsigned char>((static_cast<unsigned>('A') + i) & 0xFFu);
    const std::string dosName = base + "." + static_cast<char>(letter);
    result.tried.push_back(dosName);
    const std::string* name = IsNameCharacter(letter) ? FindFolded(names, dosName) : nullptr;
    File in = name != nullptr ? OpenForReading(JoinPath(folder, *name)) : nullptr;
    result.taken.push_back(in != nullptr);
    if (in != nullptr) {
      const std::string path = JoinPath(folder, *name);
      if (!started) {
        if (!output.begin(result.reason)) {
          result.outcome = SectionJoinOutcome::kWriteFailed;
          result.failedPath = result.listPath;
          return result;
        }
        started = true;
      }
      SectionHeaderReader header(options.ports);
      for (;;) {
        if (cancel != nullptr && cancel->load()) {
          result.outcome = SectionJoinOutcome::kCancelled;
          return result;
        }
        const std::size_t got = std::fread(block.data(), 1, block.size(), in.get());
        if (got == 0 && std::ferror(in.get()) != 0) {
          result.outcome = SectionJoinOutcome::kReadFailed;
          result.failedPath = path;
          result.reason = std::strerror(errno);
          return result;
        }
        if (got == 0) break;
        const std::string_view bytes(block.data(), got);
        if (header.wantsMore()) header.feed(bytes);
        if (!output.write(bytes, result.reason)) {
          result.outcome = SectionJoinOutcome::kWriteFailed;
          result.failedPath = result.listPath;
          return result;
        }
        result.bytes += static_cast<std::int64_t>(got);
      }
      if (const auto sectionCount = header.count()) count = *sectionCount;
      result.takenPaths.push_back(path);
      lastTaken = path;
    }
    if (progress) progress(static_cast<int>(std::min(100u, (i + 1) * 100 / std::max(count, 1u))));
    if (i + 1 >= count) break;
  }

  if (!started) {
    result.outcome = SectionJoinOutcome::kNoSections;
    return result;
  }
  // The last section's time, as DOS keeps it; the new file is never read-only.
  if (auto stamp = ReadFileStamp(lastTaken)) {
    stamp->readOnly = false;
    ApplyFileStamp(output.temporary(), *stamp);
  }
  if (!output.commit(result.reason)) {
    result.outcome = SectionJoinOutcome::kWriteFailed;
    result.failedPath = result.listPath;
    return result;
  }
  result.outcome = SectionJoinOutcome::kJoined;
  if (options.deleteSections) {
    for (const std::string& path : result.takenPaths) {
      std::error_code ec;
      if (!fs::remove(FilePath(path), ec)) result.notDeleted.push_back(path);
    }
  }
  return result;
}

std::string SectionJoinMessage(const SectionJoinResult& result) {
  const std::string base = result.listName.substr(0, result.listName.find('.'));
  const std::string kept = "\n" + result.listName + " and the sections were left as they were.";
  switch (result.outcome) {
    case SectionJoinOutcome::kJoined:
      break;
    case SectionJoinOutcome::kNoSections:
      return "No sections of " + result.listName + " (" + base + ".A, " + base +
             ".B, ...) were found.";
    case SectionJoinOutcome::kReadFailed:
      return "Unable to read section \"" + result.failedPath + "\": " + result.reason + kept;
    case SectionJoinOutcome::kWriteFailed:
      return "Unable to write \"" + result.failedPath + "\": " + result.reason + kept;
    case SectionJoinOutcome::kCancelled:
      return "Combining was cancelled." + kept;
  }
  if (result.notDeleted.empty()) return {};
  std::string text = result.listName + " was written, but these sections could not be deleted:";
  for (const std::string& path : result.notDeleted) text += "\n" + path;
  return text;
}

}  // namespace qorl
