// Distances between points and segments.
#include "geometry/point2.h"

#include <algorithm>
#include <cmath>

double Distance(Point2 a, Point2 b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

double DistanceToSegment(Point2 p, Point2 a, Point2 b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  if (!(len2 > 0.0)) return Distance(p, a);
  const double s = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0);
  return Distance(p, Point2{a.x + s * dx, a.y + s * dy});
}

bool IsFinite(Point2 p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}
