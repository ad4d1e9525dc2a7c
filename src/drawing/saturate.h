// Double to int by truncation toward zero, saturating instead of overflowing: the view maps any
// document value, however large or not a number, to a window coordinate.
#pragma once

#include <climits>
#include <cmath>

inline int TruncateToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483648.0) return INT_MAX;   // 2^31
  if (v <= -2147483649.0) return INT_MIN;  // anything above truncates to at least INT_MIN
  return static_cast<int>(v);
}
