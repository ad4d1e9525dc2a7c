// The outline polyline (and curves that follow it): adaptive samples of the half, mirrored for the
// whole body.
#include "export/outline_polyline.h"

#include <algorithm>
#include <cmath>

#include "export/adaptive_sampler.h"
#include "export/outline_arcs.h"

namespace {

// Drops vertices that repeat their predecessor (and a last vertex that repeats the first), so no
// chord has zero length.
void DropRepeats(Polyline& line) {
  std::vector<Point2> kept;
  for (const Point2& p : line.points)
    if (kept.empty() || Distance(kept.back(), p) > 0.0) kept.push_back(p);
  if (line.closed)
    while (kept.size() > 1 && Distance(kept.back(), kept.front()) == 0.0) kept.pop_back();
  line.points = std::move(kept);
}

}  // namespace

bool ParseCurveStyle(const QString& text, CurveStyle* style) {
  if (text == QLatin1String("arcs")) {
    *style = CurveStyle::Arcs;
    return true;
  }
  if (text == QLatin1String("segments")) {
    *style = CurveStyle::Segments;
    return true;
  }
  return false;
}

std::vector<double> OutlineBreaks(const FittedOutline& outline) {
  std::vector<double> breaks{0.0, 180.0};
  for (int i = 0; i < 3; ++i) {
    const double a = outline.extrema[i].angle;
    if (std::isfinite(a) && a > 0.0 && a < 180.0) breaks.push_back(a);
  }
  std::sort(breaks.begin(), breaks.end());
  breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
  return breaks;
}

std::optional<Polyline> SampleOutline(const FittedOutline& outline, OutlineExtent extent, double tolerance) {
  return SampleHalfCurve(
      outline,
      [&](double t) {
        return Point2{outline.X(t), outline.Y(t)};
      },
      extent, tolerance);
}

std::optional<Polyline> SampleHalfCurve(const FittedOutline& outline,
                                        const std::function<Point2(double)>& curve, OutlineExtent extent,
                                        double tolerance) {
  const auto samples = SampleCurve(curve, OutlineBreaks(outline), tolerance);
  if (!samples) return std::nullopt;

  Polyline line;
  line.closed = true;
  for (const CurveSample& s : *samples) line.points.push_back(s.point);
  if (extent == OutlineExtent::Whole) {
    // The mirror half, from the neck end back to the tail, without repeating either end.
    for (std::size_t i = samples->size() - 1; i-- > 1;)
      line.points.push_back(Point2{(*samples)[i].point.x, -(*samples)[i].point.y});
  }
  DropRepeats(line);
  if (line.points.size() < 3) return std::nullopt;
  return line;
}

std::optional<CurvePolyline> DrawHalfCurve(const FittedOutline& outline,
                                           const std::function<Point2(double)>& point,
                                           const std::function<Point2(double)>& derivative,
                                           OutlineExtent extent, CurveStyle style, double tolerance) {
  CurvePolyline out;
  if (style == CurveStyle::Arcs) {
    if (auto arcs = FitHalfCurveArcs(outline, point, derivative, extent, tolerance)) {
      out.line = *std::move(arcs);
      return out;
    }
    out.arcsFellBack = true;
  }
  auto segments = SampleHalfCurve(outline, point, extent, tolerance);
  if (!segments) return std::nullopt;
  out.line = *std::move(segments);
  return out;
}

std::optional<CurvePolyline> DrawOutline(const FittedOutline& outline, OutlineExtent extent, CurveStyle style,
                                         double tolerance) {
  return DrawHalfCurve(
      outline,
      [&](double t) {
        return Point2{outline.X(t), outline.Y(t)};
      },
      [&](double t) { return outline.Derivative(t); }, extent, style, tolerance);
}
