// Bounds and distances of the export's shapes.
#include "export/drawing_primitives.h"

#include <algorithm>
#include <cmath>

void Bounds::Add(Point2 p) {
  if (empty) {
    minX = maxX = p.x;
    minY = maxY = p.y;
    empty = false;
    return;
  }
  minX = std::min(minX, p.x);
  maxX = std::max(maxX, p.x);
  minY = std::min(minY, p.y);
  maxY = std::max(maxY, p.y);
}

void Bounds::Add(const Bounds& other) {
  if (other.empty) return;
  Add(Point2{other.minX, other.minY});
  Add(Point2{other.maxX, other.maxY});
}

bool Bounds::IsFinite() const {
  return std::isfinite(minX) && std::isfinite(minY) && std::isfinite(maxX) && std::isfinite(maxY) &&
         std::isfinite(maxX - minX) && std::isfinite(maxY - minY);
}

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
