// SPDX-License-Identifier: MIT
#include "core/app/program_version.h"

#include <charconv>

#include "core/list/codepage1252.h"
#include "core/list/utf8.h"

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

std::string VersionNumberText(const ProgramVersion& version) {
  std::string text;
  for (std::int32_t number : {version.major, version.minor, version.release, version.build}) {
    if (!text.empty()) text += '.';
    text += std::to_string(number);
  }
  return text;
}

std::string AboutVersionText(const ProgramVersion& version) {
  // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict) about the inlined copies that
  // chains of operator+ on temporaries leave, though they never overlap.
  std::string text = "Version: ";
  text += std::to_string(version.major);
  text += '.';
  text += std::to_string(version.minor);
  if (version.release == 0) {
    AppendUtf8(text, Cp1252ToUnicode(0xDF));  // sharp s
    text += std::to_string(version.build);
  } else if (version.release > 1) {
    const std::int64_t code = static_cast<std::int64_t>(version.release) + 95;
    // A release whose letter would lie beyond the code page is shown as its number.
    if (code <= 0xFF) {
      AppendUtf8(text, Cp1252ToUnicode(static_cast<unsigned char>(code)));
    } else {
      text += '.';
      text += std::to_string(version.release);
    }
  }
  if (version.debugBuild) text += "  (Debug Build)";
  return text;
}

}  // namespace qorl
