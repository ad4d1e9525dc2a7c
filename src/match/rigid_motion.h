// A point's place in the design's frame: R(angle) p + shift.
#pragma once

#include <cmath>

#include "geometry/point2.h"

struct RigidMotion {
  double angle = 0.0;  // radians
  Point2 shift;
};

inline Point2 ApplyMotion(const RigidMotion& m, Point2 p) {
  const double c = std::cos(m.angle), s = std::sin(m.angle);
  return {c * p.x - s * p.y + m.shift.x, s * p.x + c * p.y + m.shift.y};
}
