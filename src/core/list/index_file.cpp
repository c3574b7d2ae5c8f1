// SPDX-License-Identifier: MIT
#include "core/list/index_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>

#include "core/list/file_path.h"
#include "core/list/file_replacement.h"
#include "core/list/line_reader.h"
#include "core/list/progress_math.h"
#include "core/list/index_temporaries.h"

namespace qorl {
namespace {

constexpr char kMarkCategory = '\x14';
constexpr char kMarkOffset = '\x15';
constexpr char kMarkLength = '\x16';
constexpr char kMarkReferences = '\x17';
constexpr char kMarkTitle = '\x1F';
constexpr char kEndOfIndex = '\0';

// Bytes besides the names on every line: five field marks, 0x18, the category character, CR LF.
constexpr std::size_t kLineOverhead = 9;
// Every line holds at least the overhead less its line end, plus one digit each for offset and
// length.
constexpr std::size_t kShortestLine = kLineOverhead - 2 + 2;

// Index bytes are written in pieces of about this size.
constexpr std::size_t kWritePiece = std::size_t{1} << 20;

void AppendNumber(std::string& out, std::int32_t value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

std::size_t DigitsOf(std::int32_t value) {
  char digits[16];
  return static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr -
                                  digits);
}

// A non-negative 32-bit decimal number made only of digits.
bool ParseCount(std::string_view text, std::int32_t& value) {
  if (text.empty()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && value >= 0 &&
         text.front() != '-' && text.front() != '+';
}

// Parses one line (without its line end) and appends its topic. False for a line without its
// field marks or with a bad number.
bool ParseLine(std::string_view line, TopicTable& table) {
  // The fields are found in order: the first 0x14 and the character after it, then the next
  // 0x15, 0x16, 0x17 and 0x1F; the title runs from there to the line end. Only the short part
  // before the title is walked byte by byte.
  static constexpr char kMarks[] = {kMarkCategory,   0,         kMarkOffset, kMarkLength,
                                    kMarkReferences, kMarkTitle};
  std::size_t at[6] = {};
  int stage = 0;
  for (std::size_t i = 0; i < line.size() && stage < 6; ++i) {
    if (stage == 1 || line[i] == kMarks[stage]) at[stage++] = i;
  }
  if (stage < 6) return false;

  std::int32_t offsetValue = 0;
  std::int32_t lengthValue = 0;
  if (!ParseCount(line.substr(at[2] + 1, at[3] - at[2] - 1), offsetValue) ||
      !ParseCount(line.substr(at[3] + 1, at[4] - at[3] - 1), lengthValue)) {
    return false;
  }
  table.append(line.substr(0, at[0]), static_cast<unsigned char>(line[at[1]]), offsetValue,
               lengthValue, line.substr(at[5] + 1));
  return true;
}

struct LineCount {
  std::size_t lines = 0;
  std::size_t bytes = 0;  // of all lines, without their line ends
};

LineCount CountLines(LineReader& reader) {
  LineCount count;
  std::string_view line;
  int endBytes = 0;
  while (reader.next(line, endBytes)) {
    ++count.lines;
    count.bytes += line.size();
  }
  return count;
}

// Reads every line into table. With a count, room is reserved first and busy's progress bar
// advances as the lines go; without one (a lookup that may stop early) neither happens.
IndexLoad ParseLines(LineReader& reader, const std::optional<LineCount>& count, TopicTable& table,
                     BusyIndicator& busy, const IndexReadStop& stop) {
  std::int64_t last = -1;
  std::int64_t step = 1;
  if (count) {
    if (count->lines > static_cast<std::size_t>(INT32_MAX)) return IndexLoad::Damaged;
    // Lines shorter than any index line make a damaged index, refused before room is reserved.
    if (count->bytes < kShortestLine * count->lines) return IndexLoad::Damaged;
    table.reserve(count->lines, count->bytes - kShortestLine * count->lines);
    last = static_cast<std::int64_t>(count->lines) - 1;
    step = std::max<std::int64_t>(RoundHalfEven(std::max<std::int64_t>(last, 0), 25), 1);
    if (step >= 40) busy.showProgress();
  }
  int progress = 0;
  std::int64_t untilProgress = 0;  // lines left before the next advance

  std::string_view line;
  int endBytes = 0;
  while (reader.next(line, endBytes)) {
    if (last > 0 && untilProgress-- == 0) {
      untilProgress = step - 1;
      progress += 4;
      busy.setProgress(std::min(progress, 100));
    }
    if (!ParseLine(line, table)) {
      table.clear();
      return IndexLoad::Damaged;
    }
    if (stop && stop(table, table.count() - 1)) return IndexLoad::Stopped;
  }
  if (reader.failed()) {
    table.clear();
    return IndexLoad::Unreadable;
  }
  return IndexLoad::Loaded;
}

// The last line of bytes that end at the end of the file: its start, or npos when the line may
// begin before them.
std::size_t LastLineStart(std::string_view tail, bool wholeFile) {
  const std::size_t cut = tail.find_last_of("\r\n");
  if (cut != std::string_view::npos) return cut + 1;
  return wholeFile ? 0 : std::string_view::npos;
}

}  // namespace

void AppendIndexLine(std::string& out, const TopicTable& table, TopicNumber n) {
  const TopicRecord& record = table.record(n);
  out += table.identifier(n);
  out += kMarkCategory;
  out += static_cast<char>(record.category);
  out += kMarkOffset;
  AppendNumber(out, record.offset);
  out += kMarkLength;
  AppendNumber(out, record.length);
  out += kMarkReferences;
  out += '\x18';
  out += kMarkTitle;
  out += table.title(n);
  out += "\r\n";
}

std::string FormatIndex(const TopicTable& table) {
  std::size_t size = table.nameBytes().size();
  for (TopicNumber n = 0; n < table.count(); ++n) {
    const TopicRecord& record = table.record(n);
    size += kLineOverhead + DigitsOf(record.offset) + DigitsOf(record.length);
  }
  std::string out;
  out.reserve(size);
  for (TopicNumber n = 0; n < table.count(); ++n) AppendIndexLine(out, table, n);
  return out;
}

bool IndexableNames(const TopicTable& table) {
  // A byte 0 ends an index's text wherever it stands. An identifier ends at the first 0x14, and
  // one holding a later field mark would be misread by a reader that takes the first mark of each
  // kind; a title runs from its mark to the line end, so it may hold every field mark.
  static constexpr auto kRefusedInIdentifiers = [] {
    std::array<bool, 256> refused{};
    for (const int byte : {0x00, 0x14, 0x15, 0x16, 0x17, 0x1F}) refused[byte] = true;
    return refused;
  }();
  const auto refused = [](std::string_view text, const std::array<bool, 256>& bytes) {
    return std::any_of(text.begin(), text.end(),
                       [&bytes](char c) { return bytes[static_cast<unsigned char>(c)]; });
  };
  for (TopicNumber n = 0; n < table.count(); ++n) {
    if (table.category(n) == 0 || refused(table.identifier(n), kRefusedInIdentifiers) ||
        table.title(n).find(kEndOfIndex) != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

bool WriteIndex(const TopicTable& table, const std::string& path, const FileStamp& listStamp) {
  if (!IndexableNames(table)) return false;
  // Leftovers of killed writers go whichever list they belong to.
  RemoveAbandonedIndexTemporaries(Utf8Path(FilePath(path).parent_path()));
  FileReplacement replacement(path, kIndexTemporary);
  std::string reason;
  if (!replacement.begin(reason)) return false;
  std::string piece;
  piece.reserve(kWritePiece + 4096);
  for (TopicNumber n = 0; n < table.count(); ++n) {
    AppendIndexLine(piece, table, n);
    if (piece.size() >= kWritePiece) {
      if (!replacement.write(piece, reason)) return false;
      piece.clear();
    }
  }
  if (!replacement.write(piece, reason) || !replacement.commit(reason)) return false;
  ApplyFileStamp(path, listStamp);  // a failure only means the next opening scans again
  return true;
}

IndexLoad ParseIndex(std::string_view bytes, TopicTable& table, BusyIndicator& busy) {
  table.clear();
  LineReader counter(bytes, kEndOfIndex);
  const LineCount count = CountLines(counter);
  LineReader reader(bytes, kEndOfIndex);
  return ParseLines(reader, count, table, busy, {});
}

IndexLoad LoadIndex(const std::string& path, TopicTable& table, BusyIndicator& busy,
                    const IndexReadOptions& options) {
  table.clear();
  std::ifstream in(FilePath(path), std::ios::binary | std::ios::ate);
  if (!in) return IndexLoad::Unreadable;
  const std::streamoff size = in.tellg();
  if (size < 0) return IndexLoad::Unreadable;
  if (options.maxBytes >= 0 && size > options.maxBytes) return IndexLoad::Damaged;
  in.seekg(0);

  std::optional<LineCount> count;
  if (options.stop) {
    // No counting pass for a lookup that may stop early: room for as many names as the file has
    // bytes and a line per 64 bytes is reserved instead (room never written to costs address
    // space only, while growing copies everything read so far).
    const auto bytes = static_cast<std::size_t>(size);
    table.reserve(bytes / 64 + 16, bytes);
  } else {
    // A first pass counts the lines, so that room is reserved once and progress can be shown.
    LineReader counter(in, LineReader::kChunkSize, kEndOfIndex);
    count = CountLines(counter);
    if (counter.failed()) return IndexLoad::Unreadable;
    in.clear();
    in.seekg(0);
    if (!in) return IndexLoad::Unreadable;
  }
  LineReader reader(in, LineReader::kChunkSize, kEndOfIndex);
  return ParseLines(reader, count, table, busy, options.stop);
}

std::optional<TopicRecord> LastIndexRecord(const std::string& path) {
  std::ifstream in(FilePath(path), std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size <= 0) return std::nullopt;
  // Reads ever larger pieces of the end until the last line lies whole in one.
  for (std::streamoff piece = 4096;; piece *= 2) {
    const std::streamoff from = std::max<std::streamoff>(size - piece, 0);
    std::string tail(static_cast<std::size_t>(size - from), '\0');
    in.clear();
    if (!in.seekg(from) || !in.read(tail.data(), static_cast<std::streamsize>(tail.size()))) {
      return std::nullopt;
    }
    std::string_view text(tail);
    if (text.ends_with("\r\n")) {
      text.remove_suffix(2);
    } else if (text.ends_with('\r') || text.ends_with('\n')) {
      text.remove_suffix(1);
    }
    const std::size_t start = LastLineStart(text, from == 0);
    if (start == std::string_view::npos) continue;
    TopicTable one;
    if (!ParseLine(text.substr(start), one)) return std::nullopt;
    return one.record(0);
  }
}

}  // namespace qorl
