// SPDX-License-Identifier: MIT
#pragma once
// A search text prepared for repeated substring searches over list bytes, either exact or with
// the letters a to z folded to capitals on both sides (no other byte is folded, so 0x82 'é'
// never matches 0x90 'É').

#include <cstddef>
#include <string_view>

#include "core/search/text_finder.h"

namespace qorl {

class BytePattern {
 public:
  BytePattern(std::string_view pattern, bool caseSensitive) : finder_(pattern, caseSensitive) {}

  std::size_t size() const { return finder_.size(); }
  bool empty() const { return finder_.empty(); }

  // Position of the first occurrence in text at or after from, or std::string_view::npos.
  // An empty pattern is never found.
  std::size_t findIn(std::string_view text, std::size_t from = 0) const;

 private:
  TextFinder finder_;
};

// Whether the occurrence [pos, pos + length) stands as whole words: it is rejected when its first
// byte is a word character preceded by a word character, or its last byte a word character
// followed by one. The ends of text count as non-word neighbours.
bool IsWholeWordAt(std::string_view text, std::size_t pos, std::size_t length);

}  // namespace qorl
