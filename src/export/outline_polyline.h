// A fitted outline as one closed polyline in model units.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "export/drawing_primitives.h"
#include "geometry/fitted_outline.h"

enum class OutlineExtent { Whole, Half };

// How the outline and the curves that follow it are drawn: tangent circular arcs (a few dozen, the
// default), or straight segments (hundreds, each chord within the tolerance).
enum class CurveStyle { Arcs, Segments };
// "arcs" or "segments"; false (style untouched) for anything else.
bool ParseCurveStyle(const QString& text, CurveStyle* style);

// The angles every outline drawing has a vertex at: both ends and the fitted bout and waist angles,
// so that its extents are the design's.
std::vector<double> OutlineBreaks(const FittedOutline& outline);

// A curve drawn in the asked style. Arcs that cannot follow the curve fall back to segments and say
// so, for the caller to tell the user.
struct CurvePolyline {
  Polyline line;
  bool arcsFellBack = false;
};

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

// The half curve (point and derivative over t = 0..180, mirrored in the centreline) in the given
// style: FitHalfCurveArcs, falling back to SampleHalfCurve; nullopt when neither can draw it.
std::optional<CurvePolyline> DrawHalfCurve(const FittedOutline& outline,
                                           const std::function<Point2(double)>& point,
                                           const std::function<Point2(double)>& derivative,
                                           OutlineExtent extent, CurveStyle style, double tolerance);
// The outline itself.
std::optional<CurvePolyline> DrawOutline(const FittedOutline& outline, OutlineExtent extent, CurveStyle style,
                                         double tolerance);
