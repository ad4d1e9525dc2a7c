// What a point set must be before a design is matched to it, and its principal axis.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry/point2.h"
#include "geometry/result.h"

// Fine when the points can be used: at least `needed` of them, finite, not all on one line.
Status CheckPoints(const std::vector<Point2>& points, std::size_t needed);

struct PrincipalAxes {
  Point2 along;  // unit vector of the larger spread
  Point2 centroid;
  bool spansPlane = false;  // false when the points lie on one line (or are not finite)
};

PrincipalAxes PrincipalAxis(const std::vector<Point2>& points);
