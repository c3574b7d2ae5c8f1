// SPDX-License-Identifier: MIT
#pragma once
// The program's version: read once at start; the major number names the settings key and the
// About box shows the version text.

#include <cstdint>
#include <string>
#include <string_view>

namespace qorl {

struct ProgramVersion {
  std::int32_t major = 2;
  std::int32_t minor = 0;
  std::int32_t release = 0;
  std::int32_t build = 0;
  bool debugBuild = false;  // cleared by ReadVersion and set nowhere
  bool operator==(const ProgramVersion&) const = default;
};

// Splits a file version text such as "2.1.1.1" from the left at ".": up to four decimal numbers,
// each taken only while the one before was followed by a ".". A part that is not a decimal
// integer ends the reading; it and the later numbers keep their defaults (2, 0, 0, 0). Text after
// a fourth number is ignored.
ProgramVersion ParseVersionText(std::string_view text);

// The program's file version: on Windows the "FileVersion" of the version resource's
// US-English, code page 1252 string table; elsewhere the version the program was built with.
// The defaults stay when it cannot be read.
ProgramVersion ReadVersion();

// The four numbers joined by ".", as "2.1.1.1".
std::string VersionNumberText(const ProgramVersion& version);

// The About box's text: "Version: " + major + "." + minor, then for release 0 the letter sharp s
// and the build number, for a release above 1 the letter release + 95 ("a" for 2), and for a
// debug build "  (Debug Build)". The letters are code page 1252 characters; they are returned as
// UTF-8 (sharp s is "\xC3\x9F") so that the viewer shows them as intended.
std::string AboutVersionText(const ProgramVersion& version);

}  // namespace qorl
