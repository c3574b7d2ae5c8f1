#pragma once
// Index files: the topic table of a list stored beside it, one line per topic with control-byte
// field marks, so that an unchanged list opens without scanning.

#include <string>

#include "core/list/busy.h"
#include "core/list/file_stamp.h"
#include "core/list/topic_table.h"

namespace qorl {

// Appends topic n's index line (CR LF included) to out.
void AppendIndexLine(std::string& out, const TopicTable& table, TopicNumber n);

// The whole index file's bytes for a table.
std::string FormatIndex(const TopicTable& table);

// Writes the table's index to path through a temporary file in the same folder that is then
// renamed over the old index, and gives it the list's stamp and read-only attribute. False when
// the index could not be written (a failure to copy the stamp alone is not reported), and also
// when a name holds a byte 0: reading stops at that byte, so such an index would lose topics.
bool WriteIndex(const TopicTable& table, const std::string& path, const FileStamp& listStamp);

enum class IndexLoad {
  Loaded,      // the table holds the index's topics
  Unreadable,  // the index file could not be read; the table is empty
  Damaged,     // a line lacks its field marks or holds a bad number; the table is empty
};

// Parses index bytes into table (replacing it), advancing busy's progress bar as the lines go.
IndexLoad ParseIndex(std::string_view bytes, TopicTable& table, BusyIndicator& busy);

// Reads the index file at path in one read and parses it.
IndexLoad LoadIndex(const std::string& path, TopicTable& table, BusyIndicator& busy);

}  // namespace qorl
