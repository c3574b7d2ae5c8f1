// SPDX-License-Identifier: MIT
#pragma once
// The two searches the list scanner makes over raw bytes: the next line end, and the next line
// that starts with eight '-' (a separator line to be). Both test 16 positions at a time where the
// processor allows.

namespace qorl {

// A separator line starts with this many '-'.
inline constexpr int kSeparatorDashes = 8;

constexpr bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// The first CR or LF in [begin, end), or end when there is none.
const char* FindLineEnd(const char* begin, const char* end);

// The first position p in [begin, end - 8] where p[0..7] are '-' and p starts a line: p follows
// a CR or LF, or p is begin and beginStartsLine. Null when there is none. Nothing before begin
// is read.
const char* FindSeparatorStart(const char* begin, const char* end, bool beginStartsLine);

}  // namespace qorl
