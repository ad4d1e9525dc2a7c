// One span of a polyline with bulges, as DXF draws it: the circular arc from a to b whose bulge is
// tan(sweep / 4), positive anticlockwise, 0 for a straight span.
#pragma once

#include <vector>

#include "geometry/point2.h"

struct ArcSpan {
  Point2 a, b;
  double bulge = 0.0;
};

// The angle the span turns through, in radians, positive anticlockwise.
double ArcSweep(const ArcSpan& s);
// The point a fraction u (0 to 1) of the way along the span, by arc length.
Point2 ArcPointAt(const ArcSpan& s, double u);
// The direction of travel at fraction u, in radians (atan2's range widened by the sweep).
double ArcHeadingAt(const ArcSpan& s, double u);
// Distance from p to the span itself (not to the rest of its circle).
double DistanceToArc(Point2 p, const ArcSpan& s);

// The same distance for many points: the circle is found once.
class ArcDistance {
 public:
  explicit ArcDistance(const ArcSpan& s);
  double operator()(Point2 p) const;

 private:
  ArcSpan m_span;
  bool m_straight = true;
  Point2 m_centre;
  double m_radius = 0.0;
  double m_turn = 1.0;   // 1 anticlockwise, -1 clockwise
  bool m_major = false;  // sweeps more than a half turn
};
// The ends and every point where the span reaches farthest along +-x or +-y: the points whose box is
// the span's.
std::vector<Point2> ArcExtremePoints(const ArcSpan& s);
