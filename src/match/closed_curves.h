// Closed curves among the sampled pieces of one layer: a piece that closes on itself, or open
// pieces joined end to end into a loop (each joint shared by exactly two ends).
#pragma once

#include <vector>

#include "geometry/point2.h"

struct SampledPiece {
  std::vector<Point2> points;
  bool closed = false;  // closed by definition (a closed polyline or spline, a whole ellipse)
};

// The bounding-box area of the largest closed curve; 0 when there is none. Ends closer than
// `tolerance` are joined.
double LargestClosedArea(const std::vector<SampledPiece>& pieces, double tolerance);
