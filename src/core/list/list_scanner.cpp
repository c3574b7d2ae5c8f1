// SPDX-License-Identifier: MIT
#include "core/list/list_scanner.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/list/ascii.h"
#include "core/list/line_search.h"
#include "core/list/progress_math.h"
#include "core/list/stream_window.h"

namespace qorl {
namespace {

constexpr std::size_t kMinSeparator = 36;
constexpr std::size_t kMaxSeparator = 74;

// Identifier into a reused buffer, so that scanning does not allocate per separator line. A '-'
// becomes a blank, so the trim passes over both.
void AssignIdentifier(std::string& out, std::string_view line) {
  std::string_view id = line.substr(10, line.size() - 11);
  // Separator lines end in a long run of '-': drop it eight at a time first.
  while (id.size() >= 8 && std::memcmp(id.data() + id.size() - 8, "--------", 8) == 0) {
    id.remove_suffix(8);
  }
  auto isBlank = [](char c) { return c == '-' || static_cast<unsigned char>(c) <= 32; };
  while (!id.empty() && isBlank(id.back())) id.remove_suffix(1);
  while (!id.empty() && isBlank(id.front())) id.remove_prefix(1);
  out.assign(id);
  BlankEach(out, '-');
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

namespace {

// One pass over the list that looks only at the lines that matter: those that start with eight
// '-' (found by a vectorised search over the bytes), the title line after each separator, and the
// one line at each step of the progress bar. Every other line is passed over unseen. The byte
// count after a line is its end's offset in the file, except that a last line without a line end
// counts as if it had CR LF.
class SeparatorScan {
 public:
  SeparatorScan(std::istream& in, const ScanOptions& options, TopicTable& table,
                BusyIndicator& busy)
      : window_(in, options.readSize > 0 ? options.readSize : kReadSize, '\x1A'),
        table_(table),
        busy_(busy),
        options_(options) {
    // The large lists average 650 bytes or more per topic (a small one with more topics grows its
    // store once) and have about a tenth of their bytes in names. Room reserved and never written
    // to costs address space only.
    const auto size = static_cast<std::size_t>(std::max<std::int64_t>(options.fileSize, 0));
    table_.reserve(size / 512 + 16, size / 10 + 256);
    progressUnit_ = std::max<std::int64_t>(RoundHalfEven(options.fileSize, 100), 1);
    nextProgressAt_ = progressUnit_;
  }

  ScanStatus run() {
    std::int64_t next = 0;  // start of the first line not yet accounted for
    while (true) {
      if (window_.failed()) return ScanStatus::ReadFailed;
      // The file grew past the limit while being read: its count can only exceed it.
      if (window_.end() > kMaxListSize + 2) return ScanStatus::TooLarge;
      if (titlePending_) {
        if (!window_.fill(next, next + 1)) return ScanStatus::ReadFailed;
        if (window_.end() <= next) break;
        next = takeLine(next, true);
      } else {
        const std::int64_t progressLine =
            progressDone_ ? kNowhere : std::max(next, nextProgressAt_ - 1);
        const std::int64_t separator = findSeparator(next, progressLine);
        if (separator >= 0) {
          next = takeLine(separator, false);
        } else if (progressLine != kNowhere && !window_.failed()) {
          // No separator up to it: the line holding byte progressLine is the next that can
          // raise the progress.
          next = countLineHolding(next, progressLine);
        } else {
          break;
        }
      }
      if (tooLarge_) return ScanStatus::TooLarge;
    }
    if (window_.failed()) return ScanStatus::ReadFailed;
    return finish();
  }

 private:
  static constexpr std::size_t kReadSize = std::size_t{256} << 10;
  static constexpr std::int64_t kNowhere = std::numeric_limits<std::int64_t>::max();

  struct LineEnd {
    std::int64_t length = 0;  // bytes before the line end
    int endBytes = 0;         // 1 or 2; 2 for a line the text ends without a line end
  };

  // The first separator start from `from` up to `last`, or -1 (also when reading failed). The
  // bytes searched before are not searched again.
  std::int64_t findSeparator(std::int64_t from, std::int64_t last) {
    from = std::max(from, searchedTo_);
    while (from <= last) {
      if (!window_.fill(from - 1, from + kDashes)) return -1;
      const std::int64_t end = std::min(window_.end(), SaturatingAdd(last, kDashes));
      if (end - from < kDashes) break;  // the text has ended
      const bool lineStart = from == 0 || IsLineEnd(*window_.at(from - 1));
      const char* hit = FindSeparatorStart(window_.at(from), window_.at(end), lineStart);
      if (hit != nullptr) {
        searchedTo_ = window_.begin() + (hit - window_.at(window_.begin()));
        return searchedTo_;
      }
      from = end - kDashes + 1;
    }
    searchedTo_ = from;
    return -1;
  }

  // The end of the line going on from `from`. Its bytes from lineStart on stay in the window when
  // holdWhole, or while it may still be a separator line.
  LineEnd endOfLine(std::int64_t lineStart, std::int64_t from, bool holdWhole) {
    std::int64_t at = from;
    while (true) {
      const std::int64_t keep =
          holdWhole || at - lineStart <= static_cast<std::int64_t>(kMaxSeparator) ? lineStart : at;
      if (!window_.fill(keep, at + 1)) return {};
      if (window_.end() <= at) return {at - lineStart, 2};  // the text ends without a line end
      const char* stop = FindLineEnd(window_.at(at), window_.at(window_.end()));
      const std::int64_t end = at + (stop - window_.at(at));
      if (end < window_.end()) {
        if (*stop == '\n') return {end - lineStart, 1};
        if (!window_.fill(keep, end + 2)) return {};
        const bool crLf = end + 1 < window_.end() && *window_.at(end + 1) == '\n';
        return {end - lineStart, crLf ? 2 : 1};
      }
      at = end;
    }
  }

  // Accounts for the line at lineStart; returns the start of the line after it.
  std::int64_t takeLine(std::int64_t lineStart, bool holdWhole) {
    const LineEnd end = endOfLine(lineStart, lineStart, holdWhole);
    const std::int64_t counted = lineStart + end.length + end.endBytes;
    raiseProgress(counted);
    const bool held = holdWhole || end.length <= static_cast<std::int64_t>(kMaxSeparator);
    const std::string_view line =
        held ? std::string_view(window_.at(lineStart), static_cast<std::size_t>(end.length))
             : std::string_view();
    if (held && IsSeparatorLine(line)) {
      startTopic(lineStart, counted, line);
    } else if (titlePending_) {
      title_.assign(line);
      BlankEach(title_, '\t');
      titlePending_ = false;
    }
    return counted;
  }

  // Accounts for the line holding byte `at` (no separator or title line comes before it);
  // returns the start of the line after it.
  std::int64_t countLineHolding(std::int64_t next, std::int64_t at) {
    if (!window_.fill(at, at + 1)) return next;
    if (window_.end() > at) {
      const LineEnd end = endOfLine(at, at, false);
      const std::int64_t counted = at + end.length + end.endBytes;
      raiseProgress(counted);
      return counted;
    }
    // Beyond the text: only an unended last line counts two bytes past it.
    const std::int64_t textEnd = window_.end();
    if (next < textEnd && !IsLineEnd(window_.lastByte()) && at < textEnd + 2) {
      raiseProgress(textEnd + 2);
      return textEnd + 2;
    }
    progressDone_ = true;
    return next;
  }

  void raiseProgress(std::int64_t counted) {
    if (counted < nextProgressAt_) return;
    ++progress_;
    nextProgressAt_ = (progress_ + 1) * progressUnit_;
    busy_.setProgress(std::min(progress_, 100));
  }

  void startTopic(std::int64_t lineStart, std::int64_t counted, std::string_view line) {
    if (!started_) {
      started_ = true;
      identifier_ = "[List Info]";
      category_ = '!';
    }
    // Topics of 2 bytes or less (one empty line) are dropped; the next takes their number.
    const std::int64_t body = lineStart - start_;
    if (body > 2) {
      table_.append(identifier_, category_, static_cast<std::int32_t>(start_),
                    static_cast<std::int32_t>(body), title_);
    }
    category_ = static_cast<unsigned char>(line[8]);
    AssignIdentifier(identifier_, line);
    start_ = counted;
    // A separator line that ends the file without a line end counts two bytes beyond it; a
    // file of 2 GiB - 1 bytes would place its last topic past what 32 bits can hold.
    if (start_ > kMaxListSize) tooLarge_ = true;
    title_.clear();
    titlePending_ = category_ != '!';
  }

  ScanStatus finish() {
    const std::int64_t textEnd = window_.end();
    const bool unended = textEnd > 0 && !IsLineEnd(window_.lastByte());
    const std::int64_t counted = textEnd + (unended ? 2 : 0);
    if (counted > kMaxListSize + 2) return ScanStatus::TooLarge;
    if (!started_) {
      AddWholeFileTopic(table_, options_);
    } else {
      // The last topic is always kept, however short; it runs to the end of what was read.
      const std::int64_t length = std::max<std::int64_t>(counted - start_, 0);
      table_.append(identifier_, category_, static_cast<std::int32_t>(start_),
                    static_cast<std::int32_t>(std::min(length, kMaxListSize)), title_);
    }
    table_.shrinkToFit();
    return ScanStatus::Ok;
  }

  static std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    return a > kNowhere - b ? kNowhere : a + b;
  }

  static constexpr std::int64_t kDashes = kSeparatorDashes;

  StreamWindow window_;
  TopicTable& table_;
  BusyIndicator& busy_;
  const ScanOptions& options_;
  std::int64_t progressUnit_ = 1;
  std::int64_t nextProgressAt_ = 1;  // the count at which the progress rises next
  int progress_ = 0;
  bool progressDone_ = false;  // no line is left to raise it
  bool started_ = false;       // a separator line has been seen
  bool titlePending_ = false;  // the next line is the current topic's title
  bool tooLarge_ = false;
  std::string identifier_;
  std::string title_;
  unsigned char category_ = 0;
  std::int64_t start_ = 0;       // where the current topic's text starts
  std::int64_t searchedTo_ = 0;  // no separator starts before this but the one last found
};

}  // namespace

ScanStatus ScanTopics(std::istream& in, const ScanOptions& options, TopicTable& table,
                      BusyIndicator& busy) {
  table.clear();
  if (options.fileSize > kMaxListSize) return ScanStatus::TooLarge;
  if (!options.parseTopics) {
    AddWholeFileTopic(table, options);
    return ScanStatus::Ok;
  }
  const ScanStatus status = SeparatorScan(in, options, table, busy).run();
  if (status != ScanStatus::Ok) table.clear();
  return status;
}

}  // namespace qorl
