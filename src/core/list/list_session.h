// SPDX-License-Identifier: MIT
#pragma once
// The one open list: its path, index path, stamp, kind, topic table and the held list file from
// which topic text is read. open() and close() carry out the file side of opening and closing a
// list; the viewer adds its window steps around them.

#include <cstdint>
#include <memory>
#include <string>

#include "core/list/busy.h"
#include "core/list/file_stamp.h"
#include "core/list/index_file.h"
#include "core/list/message_service.h"
#include "core/list/topic_table.h"

namespace qorl {

// The two settings that make the index policy.
struct IndexPolicy {
  bool dontUseIndexFile = false;  // use a current index, never write one
  bool loadTopicsDirect = false;  // never read or write an index; outweighs the other
  bool readsIndex() const { return !loadTopicsDirect; }
  bool writesIndex() const { return !dontUseIndexFile && !loadTopicsDirect; }
};

struct OpenOptions {
  IndexPolicy policy;
  bool onlyParseLst = true;  // only files named *.LST are split into topics
  bool rescan = false;       // scan although the index is current
  // For a lookup of one topic: told of each topic read from a current index, true ends the
  // reading there and the table holds only the topics up to it (see ListSession::complete()).
  // A scan always reads the whole list.
  IndexReadStop stopReading;
};

enum class OpenOutcome {
  Opened,          // topic table built, held list file open, list kind set
  NotFound,        // no file at the path; "Unable to find ..." shown; nothing changed
  LoadFailed,      // the list could not be read (error 1 shown); the list is closed
  HeldFileFailed,  // table built but the held file could not be opened; "Unable to open ..."
                   // shown; the list is closed
};

enum class TopicSource { None, Index, Scan };

enum class ReadTopicResult { Ok, Failed };

class ListSession {
 public:
  ListSession();
  ~ListSession();
  ListSession(const ListSession&) = delete;
  ListSession& operator=(const ListSession&) = delete;

  // Opens the list at path: checks that it exists (else the "Unable to find" message and
  // NotFound, with the open list untouched), closes the open list, reads a current index or
  // scans (writing the index where the policy allows), then opens the held list file.
  // An index is used only when its topics fit the list (LastTopicFitsList) and it is no larger
  // than the list could need. Long work runs under the busy pattern; every failure is reported
  // through messages, running out of memory included (error 1, the list closed).
  OpenOutcome open(const std::string& path, const OpenOptions& options, BusyIndicator& busy,
                   MessageService& messages);
  // Forgets the open list; harmless when none is open.
  void close();

  bool isOpen() const { return listKind_ >= 0; }
  const std::string& listPath() const { return listPath_; }
  const std::string& indexPath() const { return indexPath_; }
  int listKind() const { return listKind_; }
  bool parseTopics() const { return parseTopics_; }
  const FileStamp& stamp() const { return stamp_; }
  TopicSource source() const { return source_; }
  // False when OpenOptions::stopReading ended the index reading before its last line.
  bool complete() const { return complete_; }
  const TopicTable& topics() const { return topics_; }

  // Reads topic n's bytes from the held list file into out. A range that runs past the end of
  // the file yields the bytes that exist. Failed when no list is open, n is not a topic or the
  // positioned read fails (error 3 is the caller's to report).
  ReadTopicResult readTopic(TopicNumber n, std::string& out) const;

 private:
  struct HeldFile;

  bool loadCurrentIndex(const OpenOptions& options, BusyIndicator& busy);
  bool scan(bool writeIndex, BusyIndicator& busy, MessageService& messages);

  std::string listPath_;
  std::string indexPath_;
  FileStamp stamp_;
  bool parseTopics_ = true;
  int listKind_ = -1;
  TopicSource source_ = TopicSource::None;
  bool complete_ = true;
  TopicTable topics_;
  // The list (path and stamp) whose names could not be indexed when error 2 was last shown for
  // that reason, so that reopening it unchanged does not show it again.
  std::string unindexablePath_;
  FileStamp unindexableStamp_;
  std::unique_ptr<HeldFile> held_;
};

// Message texts of opening (UTF-8 file names as given).
std::string UnableToFindMessage(const std::string& path);  // Unable to find "NAME" !
std::string UnableToOpenMessage(const std::string& path);  // Unable to open "FULL PATH" !

}  // namespace qorl
