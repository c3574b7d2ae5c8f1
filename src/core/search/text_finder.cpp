// SPDX-License-Identifier: MIT
#include "core/search/text_finder.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/search/text_rules.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define QORL_TEXT_FINDER_SSE2 1
#endif

namespace qorl {
namespace {

// How often each byte occurs in the interrupt list's files, per 100,000 bytes (rounded up).
constexpr std::array<std::uint16_t, 256> kByteFrequency = {
    0,     0,    0,    0,    0,    0,    0,    0,   0,    2801, 2868, 0,   0,    2868, 0,    0,
    0,     0,    0,    0,    0,    0,    0,    0,   0,    0,    0,    0,   0,    0,    0,    0,
    12666, 9,    361,  240,  3,    7,    11,   52,  619,  622,  14,   143, 534,  6397, 315,  351,
    2748,  1316, 982,  650,  581,  444,  562,  365, 519,  267,  791,  40,  24,   801,  75,   348,
    4,     1392, 633,  879,  1046, 974,  744,  207, 335,  940,  17,   101, 430,  530,  702,  720,
    623,   57,   826,  1134, 998,  184,  233,  299, 569,  175,  26,   32,  4,    32,   2,    108,
    1,     2682, 856,  1604, 1653, 6030, 1221, 669, 2272, 2899, 28,   273, 1958, 1068, 2769, 3158,
    920,   60,   3372, 3136, 3764, 1383, 502,  375, 230,  559,  91,   1,   9,    1,    1,    0,
    0,     1,    0,    0,    1,    0,    0,    0,   0,    0,    0,    0,   0,    0,    0,    0,
    0,     0,    0,    0,    1,    0,    0,    0,   0,    0,    0,    0,   0,    0,    0,    0,
    1,     1,    0,    0,    0,    0,    0,    0,   0,    0,    0,    0,   0,    0,    0,    0,
    0,     0,    0,    10,   1,    1,    0,    0,   0,    0,    0,    0,   0,    0,    0,    1,
    1,     4,    4,    1,    127,  3,    0,    0,   0,    0,    0,    0,   0,    1,    0,    0,
    0,     0,    0,    0,    1,    0,    0,    0,   1,    2,    1,    0,   0,    0,    0,    0,
    0,     0,    0,    0,    1,    0,    1,    0,   0,    0,    0,    0,   0,    0,    0,    0,
    0,     0,    0,    0,    0,    0,    0,    0,   0,    0,    0,    0,   0,    1,    0,    0,
};

bool IsCapital(unsigned char c) {
  return c >= 'A' && c <= 'Z';
}

}  // namespace

TextFinder::TextFinder(std::string_view pattern, bool caseSensitive)
    : pattern_(pattern), caseSensitive_(caseSensitive) {
  if (!caseSensitive_) {
    for (char& c : pattern_) c = static_cast<char>(FoldedByte(static_cast<unsigned char>(c)));
  }
  if (pattern_.empty()) return;
  // The two rarest positions; a folded letter is as frequent as both its cases together.
  auto frequency = [this](std::size_t i) {
    const Probe probe = probeAt(i);
    return probe.fold ? kByteFrequency[probe.byte] + kByteFrequency[probe.byte & 0xDF]
                      : kByteFrequency[probe.byte];
  };
  std::size_t first = 0;
  for (std::size_t i = 1; i < pattern_.size(); ++i) {
    if (frequency(i) < frequency(first)) first = i;
  }
  std::size_t second = first;
  for (std::size_t i = 0; i < pattern_.size(); ++i) {
    if (i == first || pattern_[i] == pattern_[first]) continue;
    if (second == first || frequency(i) < frequency(second)) second = i;
  }
  rare1_ = probeAt(first);
  rare2_ = probeAt(second);
}

TextFinder::Probe TextFinder::probeAt(std::size_t index) const {
  const auto c = static_cast<unsigned char>(pattern_[index]);
  Probe probe;
  probe.index = index;
  if (!caseSensitive_ && IsCapital(c)) {
    probe.byte = static_cast<unsigned char>(c | 0x20);
    probe.fold = 0x20;
  } else {
    probe.byte = c;
  }
  return probe;
}

bool TextFinder::matchesAt(const char* at) const {
  if (caseSensitive_) return std::memcmp(at, pattern_.data(), pattern_.size()) == 0;
  for (std::size_t k = 0; k < pattern_.size(); ++k) {
    if (FoldedByte(static_cast<unsigned char>(at[k])) != static_cast<unsigned char>(pattern_[k]))
      return false;
  }
  return true;
}

const char* TextFinder::find(const char* begin, const char* end) const {
  const std::size_t m = pattern_.size();
  if (m == 0 || begin == nullptr || static_cast<std::size_t>(end - begin) < m) return nullptr;
  const char* const last = end - m;  // the last possible start
  const char* p = begin;
#ifdef QORL_TEXT_FINDER_SSE2
  // 16 starts at a time; the loads reach p + index + 15 <= last + m - 1, inside the buffer.
  const __m128i byte1 = _mm_set1_epi8(static_cast<char>(rare1_.byte));
  const __m128i fold1 = _mm_set1_epi8(static_cast<char>(rare1_.fold));
  const __m128i byte2 = _mm_set1_epi8(static_cast<char>(rare2_.byte));
  const __m128i fold2 = _mm_set1_epi8(static_cast<char>(rare2_.fold));
  while (last - p >= 15) {
    const __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + rare1_.index));
    const __m128i v2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + rare2_.index));
    const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(v1, fold1), byte1),
                                       _mm_cmpeq_epi8(_mm_or_si128(v2, fold2), byte2));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(both));
    while (mask != 0) {
      const char* start = p + std::countr_zero(mask);
      if (matchesAt(start)) return start;
      mask &= mask - 1;
    }
    p += 16;
  }
#endif
  for (; p <= last; ++p) {
    if (rare1_.matches(p) && rare2_.matches(p) && matchesAt(p)) return p;
  }
  return nullptr;
}

}  // namespace qorl
