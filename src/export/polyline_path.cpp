// Each arc as cubic Beziers of at most an eighth of a turn, whose control points lie along the
// arc's tangents at c / (3 cos^2(phi / 4)) from the ends of a piece turning phi with chord c: off
// the circle by less than 5e-6 of its radius. (QPainterPath::arcTo cuts its pieces from a quarter
// circle's Bezier, off by 2.7e-4 of the radius: 0.3 mm on a nearly straight arc a metre round.)
#include "export/polyline_path.h"

#include <algorithm>
#include <cmath>

#include "geometry/math_constants.h"

namespace {

constexpr int kPiecesPerTurn = 8;

void AddArc(QPainterPath& path, const ArcSpan& s, const PointMapping& map) {
  const double sweep = ArcSweep(s);
  const int pieces =
      std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) * kPiecesPerTurn / (2.0 * kPi))));
  for (int k = 0; k < pieces; ++k) {
    const double u0 = static_cast<double>(k) / pieces, u1 = static_cast<double>(k + 1) / pieces;
    const Point2 p0 = k == 0 ? s.a : ArcPointAt(s, u0), p3 = k + 1 == pieces ? s.b : ArcPointAt(s, u1);
    const double h0 = ArcHeadingAt(s, u0), h1 = ArcHeadingAt(s, u1), quarter = 0.25 * (u1 - u0) * sweep;
    const double reach = Distance(p0, p3) / (3.0 * std::cos(quarter) * std::cos(quarter));
    path.cubicTo(map(Point2{p0.x + reach * std::cos(h0), p0.y + reach * std::sin(h0)}),
                 map(Point2{p3.x - reach * std::cos(h1), p3.y - reach * std::sin(h1)}), map(p3));
  }
}

}  // namespace

QPainterPath PolylinePath(const Polyline& line, const PointMapping& map, double toleranceUnits) {
  if (line.points.empty()) return {};
  QPainterPath path(map(line.points.front()));
  for (std::size_t i = 0; i < line.SpanCount(); ++i) {
    const ArcSpan s = line.Span(i);
    if (DrawsStraight(s, toleranceUnits))
      path.lineTo(map(s.b));
    else
      AddArc(path, s, map);
  }
  if (line.closed) path.closeSubpath();
  return path;
}
