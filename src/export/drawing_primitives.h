// Plain 2-D shapes of an export, in model units: x along the body axis from the neck end, y across
// the body from the centreline (y up).
#pragma once

#include <vector>

#include "geometry/point2.h"

struct Segment {
  Point2 a, b;
};

struct Polyline {
  std::vector<Point2> points;
  bool closed = false;
};

struct Circle {
  Point2 centre;
  double radius = 0.0;
};

// An axis-aligned box that grows to take in points; empty until the first point.
struct Bounds {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
  bool empty = true;

  void Add(Point2 p);
  void Add(const Bounds& other);
  double Width() const { return empty ? 0.0 : maxX - minX; }
  double Height() const { return empty ? 0.0 : maxY - minY; }
  bool IsFinite() const;
};
