// A first outline of the coefficient family through points already in the design's frame (the
// body's axis along x, the neck end near x = 0): seen from a centre (c, 0) with y stretched by the
// vertical scale S, a point of the outline lies at the radius r(t) = a0 + a1 cos t + ... of its own
// angle t, which is linear in the coefficients. With the neck end held at x = 0 (r(pi) = c) it is
// linear in a1..a6; with it free, in a0..a6. S and c are searched on a grid and refined; the few
// points farthest off are then left out of one last solve.
#pragma once

#include <optional>
#include <vector>

#include "match/outline_model.h"

struct PolarFit {
  OutlineModel model;
  double cost = 0.0;   // mean squared radial miss, turned into the points' own units
  double neckX = 0.0;  // where the outline's neck end lies in the frame (0 unless it was free)
};

// frame: the points in the design's frame (y of either sign). Nullopt when no (S, c) gives a solve.
std::optional<PolarFit> PolarStart(const std::vector<Point2>& frame, bool freeNeck = false);
