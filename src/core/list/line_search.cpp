// SPDX-License-Identifier: MIT
#include "core/list/line_search.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define QORL_LINE_SEARCH_SSE2 1
#endif

namespace qorl {
namespace {

constexpr std::size_t kDashes = kSeparatorDashes;

bool DashesAt(const char* p) {
  return std::memcmp(p, "--------", kDashes) == 0;
}

}  // namespace

const char* FindLineEnd(const char* begin, const char* end) {
  const char* p = begin;
#ifdef QORL_LINE_SEARCH_SSE2
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; end - p >= 16; p += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const auto mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
    if (mask != 0) return p + std::countr_zero(mask);
  }
#endif
  while (p != end && !IsLineEnd(*p)) ++p;
  return p;
}

const char* FindSeparatorStart(const char* begin, const char* end, bool beginStartsLine) {
  if (end - begin < static_cast<std::ptrdiff_t>(kDashes)) return nullptr;
  if (beginStartsLine && DashesAt(begin)) return begin;
  const char* const last = end - kDashes;  // the last possible start
  const char* p = begin + 1;
#ifdef QORL_LINE_SEARCH_SSE2
  // Starts p..p+15 at a time: a '-' at p and at p + 7 after a line end at p - 1. The loads reach
  // p + 22 <= last + 7, inside the bytes.
  const __m128i dash = _mm_set1_epi8('-');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; last - p >= 15; p += 16) {
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i eighth = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 7));
    const __m128i dashes = _mm_and_si128(_mm_cmpeq_epi8(first, dash), _mm_cmpeq_epi8(eighth, dash));
    if (_mm_movemask_epi8(dashes) == 0) continue;
    const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p - 1));
    const __m128i lineEnd = _mm_or_si128(_mm_cmpeq_epi8(before, cr), _mm_cmpeq_epi8(before, lf));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(dashes, lineEnd)));
    while (mask != 0) {
      const char* start = p + std::countr_zero(mask);
      if (DashesAt(start)) return start;
      mask &= mask - 1;
    }
  }
#endif
  for (; p <= last; ++p) {
    if (IsLineEnd(p[-1]) && DashesAt(p)) return p;
  }
  return nullptr;
}

}  // namespace qorl
