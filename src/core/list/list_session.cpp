// SPDX-License-Identifier: MIT
#include "core/list/list_session.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>

#include "core/list/ascii.h"
#include "core/list/error_codes.h"
#include "core/list/file_path.h"
#include "core/list/index_file.h"
#include "core/list/index_fit.h"
#include "core/list/index_path.h"
#include "core/list/list_kind.h"
#include "core/list/list_scanner.h"

namespace qorl {

struct ListSession::HeldFile {
  mutable std::ifstream stream;
};

namespace {

// Only files named *.LST are split into topics when that option is on.
bool HasLstExtension(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const auto dot = name.rfind('.');
  return dot != std::string_view::npos && AsciiUpper(name.substr(dot)) == ".LST";
}

// A file whose name ends in the index extension names itself as its index (or names a file that
// is the same on a case-blind file system). Such a file is never read as, or replaced by, its
// index.
bool IsOwnIndex(const std::string& listPath, const std::string& indexPath) {
  if (listPath == indexPath) return true;
  std::error_code error;
  return std::filesystem::equivalent(FilePath(listPath), FilePath(indexPath), error) && !error;
}

// An index line is at most 18 bytes longer than the list bytes of its topic (a separator line of
// L >= 36 characters gives an identifier of L - 11, the marks and numbers take up to 29 bytes),
// and the list-info and whole-file topics add their names: a larger index is not this list's.
std::int64_t LargestIndexFor(std::int64_t listSize) {
  return 2 * listSize + 65536;
}

}  // namespace

bool ListSession::loadCurrentIndex(const OpenOptions& options, BusyIndicator& busy) {
  IndexReadOptions read;
  read.maxBytes = LargestIndexFor(stamp_.size);
  read.stop = options.stopReading;
  // A damaged or unreadable index counts as stale: the list is scanned instead.
  const IndexLoad load = LoadIndex(indexPath_, topics_, busy, read);
  if (load != IndexLoad::Loaded && load != IndexLoad::Stopped) return false;
  complete_ = load == IndexLoad::Loaded;
  // The last topic must end where the list ends; an empty index is taken as it is.
  std::optional<TopicRecord> last;
  if (complete_ && !topics_.empty()) last = topics_.record(topics_.count() - 1);
  if (!complete_) last = LastIndexRecord(indexPath_);
  if ((complete_ && topics_.empty()) ||
      (last && LastTopicFitsList(*last, listPath_, stamp_.size))) {
    source_ = TopicSource::Index;
    return true;
  }
  topics_.clear();
  complete_ = true;
  return false;
}

bool ListSession::scan(bool writeIndex, BusyIndicator& busy, MessageService& messages) {
  std::ifstream in(FilePath(listPath_), std::ios::binary);
  ScanStatus status = ScanStatus::ReadFailed;
  if (in) {
    ScanOptions scan{parseTopics_, stamp_.size, std::string(FileNameOf(listPath_))};
    status = ScanTopics(in, scan, topics_, busy);
  }
  if (status != ScanStatus::Ok) {
    ShowError(messages, kErrorLoadList);
    close();
    return false;
  }
  source_ = TopicSource::Scan;
  if (!writeIndex) return true;
  if (!IndexableNames(topics_)) {
    // Nothing the user can do makes these names fit an index: the list is scanned at every
    // opening, and error 2 says so once, not again while the list stays as it is.
    const bool told = unindexablePath_ == listPath_ && unindexableStamp_ == stamp_;
    unindexablePath_ = listPath_;
    unindexableStamp_ = stamp_;
    if (!told) ShowError(messages, kErrorCreateIndex);
    return true;
  }
  if (!WriteIndex(topics_, indexPath_, stamp_)) ShowError(messages, kErrorCreateIndex);
  return true;
}

ListSession::ListSession() = default;
ListSession::~ListSession() = default;

std::string UnableToFindMessage(const std::string& path) {
  return "Unable to find \"" + std::string(FileNameOf(path)) + "\" !";
}

std::string UnableToOpenMessage(const std::string& path) {
  return "Unable to open \"" + path + "\" !";
}

void ListSession::close() {
  listPath_.clear();
  indexPath_.clear();
  listKind_ = ListKind::None;
  source_ = TopicSource::None;
  complete_ = true;
  held_.reset();
  topics_.clear();
  topics_.shrinkToFit();
}

OpenOutcome ListSession::open(const std::string& path, const OpenOptions& options,
                              BusyIndicator& busy, MessageService& messages) {
  const std::optional<FileStamp> stamp = ReadFileStamp(path);
  if (!stamp) {
    messages.information(UnableToFindMessage(path));
    return OpenOutcome::NotFound;
  }
  close();
  // A device or pipe could be read without end (or wait for ever); only plain files are lists.
  std::error_code statusError;
  if (!std::filesystem::is_regular_file(FilePath(path), statusError)) {
    ShowError(messages, kErrorLoadList);
    return OpenOutcome::LoadFailed;
  }
  listPath_ = path;
  parseTopics_ = !options.onlyParseLst || HasLstExtension(path);
  indexPath_ = IndexPathOf(path);
  stamp_ = *stamp;
  const std::string fileName(FileNameOf(path));

  const bool ownIndex = IsOwnIndex(path, indexPath_);
  bool loaded = false;
  try {
    if (options.policy.readsIndex() && !options.rescan && !ownIndex) {
      const std::optional<FileStamp> indexStamp = ReadFileStamp(indexPath_);
      if (indexStamp && SameLastWrite(stamp_, *indexStamp)) {
        BusyScope scope(busy, "Loading topics of " + fileName + "...",
                        BusyOptions{true, true, false});
        loaded = loadCurrentIndex(options, busy);
      }
    }
    if (!loaded) {
      const bool writeIndex = options.policy.writesIndex() && !ownIndex;
      const std::string hint = writeIndex ? "Creating new indexfile for " + fileName + "..."
                                          : "Loading topics from " + fileName + "...";
      BusyScope scope(busy, hint, BusyOptions{true, true, true});
      if (!scan(writeIndex, busy, messages)) return OpenOutcome::LoadFailed;
    }
  } catch (const std::bad_alloc&) {
    // A list too large for the memory at hand is a list that cannot be loaded.
    close();
    ShowError(messages, kErrorLoadList);
    return OpenOutcome::LoadFailed;
  }

  auto held = std::make_unique<HeldFile>();
  held->stream.open(FilePath(path), std::ios::binary);
  if (!held->stream) {
    messages.information(UnableToOpenMessage(path));
    close();
    return OpenOutcome::HeldFileFailed;
  }
  held_ = std::move(held);
  listKind_ = ListKindOf(path);
  return OpenOutcome::Opened;
}

ReadTopicResult ListSession::readTopic(TopicNumber n, std::string& out) const {
  out.clear();
  if (!isOpen() || !held_ || !topics_.isValid(n)) return ReadTopicResult::Failed;
  const TopicRecord& record = topics_.record(n);
  if (record.offset < 0 || record.length < 0) return ReadTopicResult::Failed;
  std::ifstream& stream = held_->stream;
  stream.clear();
  // An index may name any range; only the bytes the file holds are read, so a huge length does
  // not claim memory for bytes that are not there.
  if (!stream.seekg(0, std::ios::end)) return ReadTopicResult::Failed;
  const std::streamoff fileSize = stream.tellg();
  if (fileSize < 0) return ReadTopicResult::Failed;
  const std::streamoff length =
      std::clamp<std::streamoff>(fileSize - record.offset, 0, record.length);
  if (!stream.seekg(record.offset)) return ReadTopicResult::Failed;
  out.resize(static_cast<std::size_t>(length));
  stream.read(out.data(), length);
  if (stream.bad()) {
    out.clear();
    stream.clear();
    return ReadTopicResult::Failed;
  }
  // A range running past the end of the file yields the bytes that exist.
  out.resize(static_cast<std::size_t>(stream.gcount()));
  stream.clear();
  return ReadTopicResult::Ok;
}

}  // namespace qorl
