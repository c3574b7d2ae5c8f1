// SPDX-License-Identifier: MIT
#pragma once
// Finds a byte string in large buffers fast: two rare bytes of the pattern (by their frequency in
// the interrupt list) are looked for 16 positions at a time, and only where both stand is the whole
// pattern compared. Without case sensitivity the letters a to z match either case and no other
// byte is folded.

#include <cstddef>
#include <string>
#include <string_view>

namespace qorl {

class TextFinder {
 public:
  TextFinder(std::string_view pattern, bool caseSensitive);

  std::size_t size() const { return pattern_.size(); }
  bool empty() const { return pattern_.empty(); }

  // The first occurrence that lies wholly in [begin, end), or nullptr. An empty pattern is never
  // found.
  const char* find(const char* begin, const char* end) const;
  // Whether the pattern stands at `at` (size() bytes must be readable there).
  bool matchesAt(const char* at) const;

 private:
  struct Probe {
    std::size_t index = 0;   // position in the pattern
    unsigned char byte = 0;  // the byte there (small letter when folded)
    unsigned char fold = 0;  // 0x20 for a folded letter: (c | fold) == byte matches both cases
    bool matches(const char* start) const {
      return (static_cast<unsigned char>(start[index]) | fold) == byte;
    }
  };
  Probe probeAt(std::size_t index) const;

  std::string pattern_;  // capitals for the letters a to z unless case-sensitive
  bool caseSensitive_;
  Probe rare1_;
  Probe rare2_;
};

}  // namespace qorl
