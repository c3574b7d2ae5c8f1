#include "core/app/program_version.h"

#include <charconv>

namespace qorl {

namespace {

// A whole text as a signed 32-bit decimal integer.
bool ParseDecimal(std::string_view text, std::int32_t& out) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

// The Unicode code points of code page 1252's bytes 0x80..0x9F; its undefined bytes map to the
// control character of the same number, as Windows converts them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendCp1252(std::string& out, unsigned char byte) {
  char32_t cp = byte;
  if (byte >= 0x80 && byte <= 0x9F) cp = kCp1252High[byte - 0x80];
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

ProgramVersion ParseVersionText(std::string_view text) {
  ProgramVersion version;
  std::int32_t* numbers[] = {&version.major, &version.minor, &version.release, &version.build};
  for (std::int32_t* number : numbers) {
    const auto dot = text.find('.');
    std::int32_t value = 0;
    if (!ParseDecimal(text.substr(0, dot), value)) break;
    *number = value;
    if (dot == std::string_view::npos) break;  // no "." after this part: nothing more to read
    text.remove_prefix(dot + 1);
  }
  return version;
}

std::string AboutVersionText(const ProgramVersion& version) {
  std::string text =
      "Version: " + std::to_string(version.major) + "." + std::to_string(version.minor);
  if (version.release == 0) {
    AppendCp1252(text, 0xDF);  // sharp s
    text += std::to_string(version.build);
  } else if (version.release > 1) {
    const std::int64_t code = static_cast<std::int64_t>(version.release) + 95;
    // A release whose letter would lie beyond the code page is shown as its number.
    if (code <= 0xFF) {
      AppendCp1252(text, static_cast<unsigned char>(code));
    } else {
      text += "." + std::to_string(version.release);
    }
  }
  if (version.debugBuild) text += "  (Debug Build)";
  return text;
}

}  // namespace qorl
