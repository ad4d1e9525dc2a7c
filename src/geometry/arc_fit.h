// Tangent circular arcs along a smooth plane curve, for templates a router follows in arc moves: a
// chain of biarcs, each meeting the curve's point and tangent at both of its ends.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "geometry/arc_span.h"
#include "geometry/point2.h"

// A curve over a parameter t: its point, and its derivative (any length, pointing the way t grows).
struct ArcCurve {
  std::function<Point2(double)> point;
  std::function<Point2(double)> tangent;
};

// Consecutive spans of arcs: vertices[i] to vertices[i + 1] bulging by bulges[i].
struct ArcChain {
  std::vector<Point2> vertices;
  std::vector<double> bulges;

  std::size_t SpanCount() const { return bulges.size(); }
  ArcSpan Span(std::size_t i) const { return ArcSpan{vertices[i], vertices[i + 1], bulges[i]}; }
};

// Beyond this many arcs a curve is not worth following with arcs.
inline constexpr std::size_t kMaxFittedArcs = 2000;

// Arcs from curve.point(breaks.front()) to curve.point(breaks.back()), with a vertex on the curve
// at every break (sorted, two or more). Each pair of arcs matches the curve's point and tangent at
// both of its ends, so consecutive arcs are tangent wherever the curve is; every point of the arcs
// lies within tolerance of the curve and every point of the curve within tolerance of the arcs.
// nullopt when the curve is not finite, the breaks or tolerance are not usable, or more than
// maxArcs arcs would be needed.
std::optional<ArcChain> FitArcs(const ArcCurve& curve, const std::vector<double>& breaks, double tolerance,
                                std::size_t maxArcs = kMaxFittedArcs);
