#include "core/list/list_scanner.h"

#include <algorithm>

#include "core/list/ascii.h"
#include "core/list/line_reader.h"
#include "core/list/progress_math.h"

namespace qorl {
namespace {

constexpr std::size_t kMinSeparator = 36;
constexpr std::size_t kMaxSeparator = 74;

// Identifier into a reused buffer, so that scanning does not allocate per separator line.
void AssignIdentifier(std::string& out, std::string_view line) {
  out.assign(line.substr(10, line.size() - 11));
  std::replace(out.begin(), out.end(), '-', ' ');
  const std::string_view trimmed = TrimControls(out);
  const auto first = static_cast<std::size_t>(trimmed.data() - out.data());
  out.erase(first + trimmed.size());
  out.erase(0, first);
}

void AddWholeFileTopic(TopicTable& table, const ScanOptions& options) {
  // An empty or one-byte file would get a negative length; such a topic is empty instead.
  const auto length = static_cast<std::int32_t>(std::max<std::int64_t>(options.fileSize - 2, 0));
  table.append(AsciiUpper(options.listFileName), '-', 0, length, "");
}

}  // namespace

bool IsSeparatorLine(std::string_view line) {
  if (line.size() < kMinSeparator || line.size() > kMaxSeparator) return false;
  return line.compare(0, 8, "--------") == 0 && line[9] == '-';
}

std::string SeparatorIdentifier(std::string_view line) {
  std::string id;
  AssignIdentifier(id, line);
  return id;
}

ScanStatus ScanTopics(std::istream& in, const ScanOptions& options, TopicTable& table,
                      BusyIndicator& busy) {
  table.clear();
  if (options.fileSize > kMaxListSize) return ScanStatus::TooLarge;
  if (!options.parseTopics) {
    AddWholeFileTopic(table, options);
    return ScanStatus::Ok;
  }

  // The real lists average a few hundred bytes per topic and about a tenth of their bytes in
  // names. Room reserved and never written to costs address space only.
  const auto size = static_cast<std::size_t>(std::max<std::int64_t>(options.fileSize, 0));
  table.reserve(size / 256 + 16, size / 10 + 256);

  std::int64_t progressUnit = RoundHalfEven(options.fileSize, 100);
  if (progressUnit <= 0) progressUnit = 1;
  int progress = 0;
  // The count at which counted / progressUnit first exceeds progress.
  std::int64_t nextProgressAt = progressUnit;

  std::int64_t counted = 0;
  bool started = false;  // a separator line has been seen
  bool titlePending = false;
  std::string identifier;
  std::string title;
  unsigned char category = 0;
  std::int64_t start = 0;

  LineReader reader(in);
  std::string_view line;
  int endBytes = 0;
  // Only a title line is needed whole; of any other line the first bytes tell a separator.
  reader.setCutLimit(kMaxSeparator + 1);
  while (reader.next(line, endBytes)) {
    const std::int64_t length = reader.lineLength();
    counted += length + endBytes;
    if (counted > kMaxListSize + 2) {  // the file grew past the limit while being read
      table.clear();
      return ScanStatus::TooLarge;
    }
    if (counted >= nextProgressAt) {
      ++progress;
      nextProgressAt = (progress + 1) * progressUnit;
      busy.setProgress(std::min(progress, 100));
    }
    if (IsSeparatorLine(line)) {
      if (!started) {
        started = true;
        identifier = "[List Info]";
        category = '!';
      }
      const std::int64_t lineStart = counted - length - endBytes;
      const std::int64_t body = lineStart - start;
      // Topics of 2 bytes or less (one empty line) are dropped; the next takes their number.
      if (body > 2) {
        table.append(identifier, category, static_cast<std::int32_t>(start),
                     static_cast<std::int32_t>(body), title);
      }
      category = static_cast<unsigned char>(line[8]);
      AssignIdentifier(identifier, line);
      start = counted;
      // A separator line that ends the file without a line end counts two bytes beyond it; a
      // file of 2 GiB - 1 bytes would place its last topic past what 32 bits can hold.
      if (start > kMaxListSize) {
        table.clear();
        return ScanStatus::TooLarge;
      }
      title.clear();
      titlePending = category != '!';
      reader.setCutLimit(titlePending ? 0 : kMaxSeparator + 1);
    } else if (titlePending) {
      title.assign(line);
      std::replace(title.begin(), title.end(), '\t', ' ');
      titlePending = false;
      reader.setCutLimit(kMaxSeparator + 1);
    }
  }
  if (reader.failed()) {
    table.clear();
    return ScanStatus::ReadFailed;
  }

  if (!started) {
    AddWholeFileTopic(table, options);
  } else {
    // The last topic is always kept, however short; it runs to the end of what was read.
    const std::int64_t length = std::max<std::int64_t>(counted - start, 0);
    table.append(identifier, category, static_cast<std::int32_t>(start),
                 static_cast<std::int32_t>(std::min(length, kMaxListSize)), title);
  }
  table.shrinkToFit();
  return ScanStatus::Ok;
}

}  // namespace qorl
