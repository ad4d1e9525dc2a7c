// Bitwise comparison of the process-wide shape state, for tests that must show it did not change.
#pragma once

#include "common/design_bytes.h"
#include "geometry/shape_state.h"

namespace designbytes {

// Every field of the shape state, doubles compared by their bits (so NaN equals the same NaN).
inline bool SameShapeState(const ShapeState& a, const ShapeState& b) {
  for (int i = 0; i < 7; ++i)
    if (!SameBits(a.coeff[i], b.coeff[i])) return false;
  if (!SameBits(a.verticalScale, b.verticalScale)) return false;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 5; ++c)
      if (!SameBits(a.fitSystem[r][c], b.fitSystem[r][c])) return false;
  for (int i = 0; i < 8; ++i)
    if (!SameBits(a.extrema[i].angle, b.extrema[i].angle) || a.extrema[i].kind != b.extrema[i].kind)
      return false;
  return a.errorText == b.errorText && a.fitValid == b.fitValid;
}

}  // namespace designbytes
