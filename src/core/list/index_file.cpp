#include "core/list/index_file.h"

#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

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

std::size_t FindFrom(std::string_view line, char mark, std::size_t from) {
  return from > line.size() ? std::string_view::npos : line.find(mark, from);
}

bool ParseLine(std::string_view line, TopicTable& table) {
  const std::size_t category = line.find(kMarkCategory);
  if (category == std::string_view::npos || category + 1 >= line.size()) return false;
  const std::size_t offset = FindFrom(line, kMarkOffset, category + 2);
  if (offset == std::string_view::npos) return false;
  const std::size_t length = FindFrom(line, kMarkLength, offset + 1);
  if (length == std::string_view::npos) return false;
  const std::size_t references = FindFrom(line, kMarkReferences, length + 1);
  if (references == std::string_view::npos) return false;
  const std::size_t title = FindFrom(line, kMarkTitle, references + 1);
  if (title == std::string_view::npos) return false;
  std::int32_t offsetValue = 0;
  std::int32_t lengthValue = 0;
  if (!ParseCount(line.substr(offset + 1, length - offset - 1), offsetValue) ||
      !ParseCount(line.substr(length + 1, references - length - 1), lengthValue)) {
    return false;
  }
  table.append(line.substr(0, category), static_cast<unsigned char>(line[category + 1]),
               offsetValue, lengthValue, line.substr(title + 1));
  return true;
}

// Lines end at CR LF, a lone CR or a lone LF; text after the last line end forms a last line.
std::size_t CountLines(std::string_view text) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      ++lines;
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      ++lines;
    }
  }
  if (!text.empty() && text.back() != '\r' && text.back() != '\n') ++lines;
  return lines;
}

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
  const std::string temporary = TemporaryPathBeside(path);
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
  std::filesystem::rename(temporary, path, ec);
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
  const std::size_t count = CountLines(bytes);
  if (count > static_cast<std::size_t>(INT32_MAX)) return IndexLoad::Damaged;
  table.reserve(count, bytes.size());

  const auto last = static_cast<std::int64_t>(count) - 1;
  std::int64_t step = RoundHalfEven(std::max<std::int64_t>(last, 0), 25);
  if (step <= 0) step = 1;
  if (step >= 40) busy.showProgress();
  int progress = 0;

  std::size_t pos = 0;
  for (std::int64_t i = 0; i <= last; ++i) {
    if (last > 0 && i % step == 0) {
      progress += 4;
      busy.setProgress(std::min(progress, 100));
    }
    std::size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    if (!ParseLine(bytes.substr(pos, end - pos), table)) {
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
  table.shrinkToFit();
  return IndexLoad::Loaded;
}

IndexLoad LoadIndex(const std::string& path, TopicTable& table, BusyIndicator& busy) {
  table.clear();
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return IndexLoad::Unreadable;
  const std::streamoff size = in.tellg();
  if (size < 0) return IndexLoad::Unreadable;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  in.read(bytes.data(), size);
  if (in.gcount() != size) return IndexLoad::Unreadable;
  return ParseIndex(bytes, table, busy);
}

}  // namespace qorl
