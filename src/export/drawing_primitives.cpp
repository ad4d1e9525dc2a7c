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
