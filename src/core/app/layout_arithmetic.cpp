// SPDX-License-Identifier: MIT
#include "core/app/layout_arithmetic.h"

#include <cmath>
#include <limits>

namespace qorl {

int RoundHalfEven(double value) {
  // Stored settings may hold any number: results beyond the int range saturate.
  constexpr double kLowest = std::numeric_limits<int>::min();
  constexpr double kHighest = std::numeric_limits<int>::max();
  if (std::isnan(value)) return 0;
  if (value <= kLowest) return std::numeric_limits<int>::min();
  if (value >= kHighest) return std::numeric_limits<int>::max();
  const double floor = std::floor(value);
  const double fraction = value - floor;
  double result = floor;
  if (fraction > 0.5) {
    result = floor + 1;
  } else if (fraction == 0.5) {
    result = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
  }
  return static_cast<int>(result);
}

int TopicsPanelHeight(int mainHeight, double topicsShare) {
  int v = RoundHalfEven(mainHeight * topicsShare);
  if (v < kSplitMinimum) v = kSplitMinimum;
  if (v > mainHeight - kSplitterHeight - kSplitMinimum)
    v = mainHeight - kSplitterHeight - kSplitMinimum;
  return v;
}

int ScaleForScreen(int value, double dpi) {
  if (dpi <= 0 || dpi == 96.0) return value;
  return RoundHalfEven(value * dpi / 96.0);
}

}  // namespace qorl
