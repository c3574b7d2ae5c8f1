// SPDX-License-Identifier: MIT
#pragma once
// Index files: the topic table of a list stored beside it, one line per topic with control-byte
// field marks, so that an unchanged list opens without scanning.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/list/busy.h"
#include "core/list/file_stamp.h"
#include "core/list/topic_table.h"

namespace qorl {

// Appends topic n's index line (CR LF included) to out.
void AppendIndexLine(std::string& out, const TopicTable& table, TopicNumber n);

// The whole index file's bytes for a table.
std::string FormatIndex(const TopicTable& table);

// False when an index could not give the table back: a name holds a byte 0 (the end of an
// index's text), an identifier holds a field mark (0x14 to 0x17, 0x1F), or a category character
// is a byte 0. Titles may hold field marks: a title runs from its mark to the line end.
bool IndexableNames(const TopicTable& table);

// Writes the table's index to path through a temporary file in the same folder, which is flushed
// to disk and renamed over the old index, and gives it the list's stamp and read-only attribute.
// Temporaries of any index in that folder that killed writers left are removed first.
// The bytes are formatted and written in pieces, never held whole. False when the index could not
// be written (a failure to copy the stamp alone is not reported), and also when the names are not
// IndexableNames.
bool WriteIndex(const TopicTable& table, const std::string& path, const FileStamp& listStamp);

enum class IndexLoad {
  Loaded,      // the table holds the index's topics
  Stopped,     // IndexReadOptions::stop ended the reading; the table holds the topics up to there
  Unreadable,  // the index file could not be read; the table is empty
  Damaged,     // a line lacks its field marks or holds a bad number, or the file is larger than
               // the limit; the table is empty
};

// Told of each topic as it is read; true ends the reading there, with the topics read so far in
// the table (a lookup that has found its topic needs no more).
using IndexReadStop = std::function<bool(const TopicTable& table, TopicNumber topic)>;

struct IndexReadOptions {
  std::int64_t maxBytes = -1;  // a larger file is Damaged without being read; -1: no limit
  IndexReadStop stop;          // empty: read every line
};

// Parses index bytes into table (replacing it), advancing busy's progress bar as the lines go.
IndexLoad ParseIndex(std::string_view bytes, TopicTable& table, BusyIndicator& busy);

// Reads the index file at path into table, streaming it in pieces.
IndexLoad LoadIndex(const std::string& path, TopicTable& table, BusyIndicator& busy,
                    const IndexReadOptions& options = {});

// The last topic of the index file at path, read from its end; nothing when the file cannot be
// read, is empty or its last line is damaged.
std::optional<TopicRecord> LastIndexRecord(const std::string& path);

}  // namespace qorl
