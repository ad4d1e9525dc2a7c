// The arcs that join two points with given headings: one arc leaving a point along its heading
// towards another point, and the pair of tangent arcs (a biarc) that also arrives along a heading.
#pragma once

#include <vector>

#include "geometry/arc_span.h"
#include "geometry/point2.h"

// A point and the unit direction a chain of arcs passes it in.
struct ArcEnd {
  Point2 p;
  Point2 dir;
};

// The signed angle in radians that turns direction u onto direction v.
double Turn(Point2 u, Point2 v);

// The arc from `from`, leaving along its heading, to `to`.
ArcSpan ArcLeaving(const ArcEnd& from, Point2 to);

// The biarc from `from` to `to` whose tangent lengths (from each end to where its arc's tangent
// meets the joint's) are in the ratio k : 1. Zero-length arcs (a joint on an end) are left out;
// empty when the points coincide or an arc would turn through more than a half circle.
std::vector<ArcSpan> Biarc(const ArcEnd& from, const ArcEnd& to, double k);
