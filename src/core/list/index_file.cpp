#include "core/list/index_file.h"

#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "core/list/file_path.h"
#include "core/list/progress_math.h"

namespace qorl {
namespace {

constexpr char kMarkCategory = '\x14';
constexpr char kMarkOffset = '\x15';
constexpr char kMarkLength = '\x16';
constexpr char kMarkReferences = '\x17';
constexpr char kMarkTitle = '\x1F';

void AppendNumber(std::string& out, std::int32_t value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

// A non-negative 32-bit decimal number made only of digits.
bool ParseCount(std::string_view text, std::int32_t& value) {
  if (text.empty()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && value >= 0 &&
         text.front() != '-' && text.front() != '+';
}

// Parses the line [start, end) and appends its topic. False for a line without its field marks
// or with a bad number.
bool ParseLine(std::string_view text, std::size_t start, std::size_t end, TopicTable& table) {
  // The fields are found in order: the first 0x14 and the character after it, then the next
  // 0x15, 0x16, 0x17 and 0x1F; the title runs from there to the line end. Only the short part
  // before the title is walked byte by byte.
  static constexpr char kMarks[] = {kMarkCategory,   0,         kMarkOffset, kMarkLength,
                                    kMarkReferences, kMarkTitle};
  std::size_t at[6] = {};
  int stage = 0;
  for (std::size_t i = start; i < end && stage < 6; ++i) {
    if (stage == 1 || text[i] == kMarks[stage]) at[stage++] = i;
  }
  if (stage < 6) return false;

  std::int32_t offsetValue = 0;
  std::int32_t lengthValue = 0;
  if (!ParseCount(text.substr(at[2] + 1, at[3] - at[2] - 1), offsetValue) ||
      !ParseCount(text.substr(at[3] + 1, at[4] - at[3] - 1), lengthValue)) {
    return false;
  }
  table.append(text.substr(start, at[0] - start), static_cast<unsigned char>(text[at[1]]),
               offsetValue, lengthValue, text.substr(at[5] + 1, end - at[5] - 1));
  return true;
}

struct LineCount {
  std::size_t lines = 0;
  bool loneLf = false;  // some line ends with an LF that follows no CR
};

// Lines end at CR LF, a lone CR or a lone LF; text after the last line end forms a last line.
LineCount CountLines(std::string_view text) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  LineCount count;
  for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '\r', end - p))); ++p) {
    ++count.lines;
  }
  for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p) {
    if (p == begin || p[-1] != '\r') {
      ++count.lines;
      count.loneLf = true;
    }
  }
  if (!text.empty() && text.back() != '\r' && text.back() != '\n') ++count.lines;
  return count;
}

// Finds where each line ends. Without lone LFs (the index files this program writes) only CRs
// need to be searched for.
class LineEnds {
 public:
  LineEnds(std::string_view text, bool loneLf)
      : text_(text), loneLf_(loneLf), cr_(next('\r', 0)), lf_(loneLf ? next('\n', 0) : 0) {}
  std::size_t endOf(std::size_t pos) {
    if (cr_ < pos) cr_ = next('\r', pos);
    if (!loneLf_) return cr_;
    if (lf_ < pos) lf_ = next('\n', pos);
    return std::min(cr_, lf_);
  }

 private:
  std::size_t next(char byte, std::size_t pos) const {
    const void* hit = std::memchr(text_.data() + pos, byte, text_.size() - pos);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data())
               : text_.size();
  }
  std::string_view text_;
  bool loneLf_;
  std::size_t cr_;
  std::size_t lf_;
};

std::string TemporaryPathBeside(const std::string& path) {
  static std::mt19937_64 generator{std::random_device{}()};
  char suffix[24];
  const auto result = std::to_chars(suffix, suffix + sizeof suffix, generator(), 36);
  return path + ".tmp-" + std::string(suffix, result.ptr);
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
  std::string out;
  // Names plus marks, two numbers of up to 10 digits and the line end per topic.
  out.reserve(table.memoryBytes() / 2 + static_cast<std::size_t>(table.count()) * 32);
  for (TopicNumber n = 0; n < table.count(); ++n) AppendIndexLine(out, table, n);
  return out;
}

bool WriteIndex(const TopicTable& table, const std::string& path, const FileStamp& listStamp) {
  const std::string bytes = FormatIndex(table);
  if (bytes.find('\0') != std::string::npos) return false;
  const std::filesystem::path temporary = FilePath(TemporaryPathBeside(path));
  const std::filesystem::path target = FilePath(path);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    // Some systems refuse to replace a read-only file: make the old index writable and retry.
    std::error_code ignored;
    if (std::filesystem::is_regular_file(target, ignored)) {
      std::filesystem::permissions(target, std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add, ignored);
      ec.clear();
      std::filesystem::rename(temporary, target, ec);
    }
  }
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  ApplyFileStamp(path, listStamp);  // a failure only means the next opening scans again
  return true;
}

IndexLoad ParseIndex(std::string_view bytes, TopicTable& table, BusyIndicator& busy) {
  table.clear();
  // A byte 0 ends the text.
  if (const void* zero = std::memchr(bytes.data(), 0, bytes.size())) {
    bytes =
        bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - bytes.data()));
  }
  const LineCount lines = CountLines(bytes);
  const std::size_t count = lines.lines;
  if (count > static_cast<std::size_t>(INT32_MAX)) return IndexLoad::Damaged;
  // Every line holds at least nine bytes besides its line end (see below), so fewer bytes mean a
  // damaged index, refused before room is reserved for all its lines.
  if (count > bytes.size() / 9) return IndexLoad::Damaged;
  // Every line holds at least nine bytes that are not names: five field marks, 0x18, the
  // category character and one digit each for offset and length.
  table.reserve(count, bytes.size() - std::min(bytes.size(), 9 * count));

  const auto last = static_cast<std::int64_t>(count) - 1;
  std::int64_t step = RoundHalfEven(std::max<std::int64_t>(last, 0), 25);
  if (step <= 0) step = 1;
  if (step >= 40) busy.showProgress();
  int progress = 0;
  std::int64_t untilProgress = 0;  // lines left before the next advance

  LineEnds ends(bytes, lines.loneLf);
  std::size_t pos = 0;
  for (std::int64_t i = 0; i <= last; ++i) {
    if (last > 0 && untilProgress-- == 0) {
      untilProgress = step - 1;
      progress += 4;
      busy.setProgress(std::min(progress, 100));
    }
    const std::size_t end = ends.endOf(pos);
    if (!ParseLine(bytes, pos, end, table)) {
      table.clear();
      return IndexLoad::Damaged;
    }
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') {
      ++pos;
      if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    } else if (pos < bytes.size()) {
      ++pos;  // a lone LF
    }
  }
  return IndexLoad::Loaded;
}

IndexLoad LoadIndex(const std::string& path, TopicTable& table, BusyIndicator& busy) {
  table.clear();
  std::ifstream in(FilePath(path), std::ios::binary | std::ios::ate);
  if (!in) return IndexLoad::Unreadable;
  const std::streamoff size = in.tellg();
  if (size < 0) return IndexLoad::Unreadable;
  const auto bytes = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(size));
  in.seekg(0);
  in.read(bytes.get(), size);
  if (in.gcount() != size) return IndexLoad::Unreadable;
  return ParseIndex(std::string_view(bytes.get(), static_cast<std::size_t>(size)), table, busy);
}

}  // namespace qorl
