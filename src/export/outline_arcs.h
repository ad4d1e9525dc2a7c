// The outline (or a curve that follows it) as one closed polyline of tangent arcs in model units.
#pragma once

#include <functional>
#include <optional>

#include "export/drawing_primitives.h"
#include "export/outline_polyline.h"
#include "geometry/fitted_outline.h"

// Arcs along the half curve over t = 0..180 (point and derivative), within tolerance of it both
// ways, with a vertex at both ends and at the outline's bout and waist angles. Whole mirrors the
// half in the centreline (the arcs meet their mirror images tangentially at both ends, where the
// curve crosses the centreline square); Half closes with a straight span along the centreline.
// nullopt when arcs cannot follow the curve in kMaxFittedArcs arcs.
std::optional<Polyline> FitHalfCurveArcs(const FittedOutline& outline,
                                         const std::function<Point2(double)>& point,
                                         const std::function<Point2(double)>& derivative,
                                         OutlineExtent extent, double tolerance);
