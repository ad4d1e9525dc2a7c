// Parallel curves of the fitted outline: the mould (outward), the inside of the sides and the
// binding and purfling ledges (inward). Each point is the outline's point moved d along the exact
// unit normal from the curve's derivative, so the result is the true offset, not an offset polyline.
#pragma once

#include "export/drawing_primitives.h"
#include "export/outline_polyline.h"
#include "geometry/fitted_outline.h"
#include "geometry/result.h"

// The outline's tightest bends, in the design's unit, with the angles (degrees) where they are:
// the smallest radius of curvature where the outline is convex and where it is concave (the waist);
// infinity when it has no such stretch.
struct OutlineBends {
  double convexRadius = 0.0, convexAngle = 0.0;
  double concaveRadius = 0.0, concaveAngle = 0.0;
};
OutlineBends FindOutlineBends(const FittedOutline& outline);

// The point of the parallel curve at distance d (design units; positive outward) at angle t of the
// half from t = 0 to 180.
Point2 OffsetPoint(const FittedOutline& outline, double t, double d);

// The closed polyline within tolerance of the parallel curve (the whole body, or the half closed
// along the centreline), or a refusal saying why it cannot be drawn: it would fold over itself
// where the outline bends tighter than |d| (the message gives that radius in mm), or an inward
// offset would cross the centreline. bends is FindOutlineBends() of the same outline, found once
// for all its offsets.
Result<Polyline> SampleOffset(const FittedOutline& outline, double d, const OutlineBends& bends,
                              double millimetresPerUnit, OutlineExtent extent, double tolerance);
