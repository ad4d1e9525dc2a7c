// A fitted outline as one closed polyline in model units.
#pragma once

#include <functional>
#include <optional>

#include "export/drawing_primitives.h"
#include "geometry/fitted_outline.h"

enum class OutlineExtent { Whole, Half };

// Samples t = 0..180 adaptively within tolerance (model units), with vertices at both ends and at
// the fitted bout and waist angles so that the polyline's extents are the design's. Whole mirrors
// the half in the centreline; Half closes along the centreline. nullopt when the curve is not
// finite or needs more vertices than a template can sensibly carry.
std::optional<Polyline> SampleOutline(const FittedOutline& outline, OutlineExtent extent, double tolerance);

// The same for any curve over t = 0..180 that starts and ends on the centreline and is mirrored in
// it (a parallel curve of the outline): the same breaks (outline's bout and waist angles), tolerance
// and closing.
std::optional<Polyline> SampleHalfCurve(const FittedOutline& outline,
                                        const std::function<Point2(double)>& curve, OutlineExtent extent,
                                        double tolerance);
