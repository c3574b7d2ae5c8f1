// SPDX-License-Identifier: MIT
#pragma once
// Rounding used for progress steps: the integer nearest to a quotient, a half going to the even
// neighbour.

#include <cstdint>

namespace qorl {

inline std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  const std::int64_t twiceRest = 2 * (numerator % denominator);
  if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

}  // namespace qorl
