// Plain 2-D shapes of an export, in model units: x along the body axis from the neck end, y across
// the body from the centreline (y up).
#pragma once

#include <vector>

#include "geometry/arc_span.h"
#include "geometry/point2.h"

struct Segment {
  Point2 a, b;
};

// Vertices joined by straight spans or circular arcs. bulges[i] belongs to the span that leaves
// points[i] (the last one of a closed polyline runs back to the first): tan(sweep / 4), positive
// anticlockwise, as DXF has it. Empty bulges, or a 0, mean straight.
struct Polyline {
  std::vector<Point2> points;
  bool closed = false;
  std::vector<double> bulges;

  std::size_t SpanCount() const;
  double Bulge(std::size_t span) const { return span < bulges.size() ? bulges[span] : 0.0; }
  ArcSpan Span(std::size_t span) const;
  bool HasArcs() const;
};

// True when a span is straight or its arc strays from its chord by less than a thousandth of the
// drawing's tolerance: writers draw it as a line rather than hand readers a near-infinite radius.
bool DrawsStraight(const ArcSpan& span, double toleranceUnits);

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
  // Every vertex and, for an arc, its farthest points along x and y.
  void Add(const Polyline& line);
  double Width() const { return empty ? 0.0 : maxX - minX; }
  double Height() const { return empty ? 0.0 : maxY - minY; }
  bool IsFinite() const;
};
