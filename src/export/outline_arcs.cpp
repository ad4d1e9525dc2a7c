// The mirror half runs back from the neck end to the tail: the mirror image of span i, travelled
// backwards, turns the same way as span i (the reflection and the reversal each change the turn's
// sign), so it keeps span i's bulge.
#include "export/outline_arcs.h"

#include "geometry/arc_fit.h"

std::optional<Polyline> FitHalfCurveArcs(const FittedOutline& outline,
                                         const std::function<Point2(double)>& point,
                                         const std::function<Point2(double)>& derivative,
                                         OutlineExtent extent, double tolerance) {
  const auto chain = FitArcs(ArcCurve{point, derivative}, OutlineBreaks(outline), tolerance);
  if (!chain) return std::nullopt;
  Polyline line;
  line.closed = true;
  line.points = chain->vertices;
  line.bulges = chain->bulges;
  const std::size_t n = chain->SpanCount();
  if (extent == OutlineExtent::Half) {
    line.bulges.push_back(0.0);
    return line;
  }
  for (std::size_t i = n; i-- > 1;)
    line.points.push_back(Point2{chain->vertices[i].x, -chain->vertices[i].y});
  for (std::size_t i = n; i-- > 0;) line.bulges.push_back(chain->bulges[i]);
  return line;
}
