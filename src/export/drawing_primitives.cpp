// Bounds of the export's shapes, and the spans of a polyline.
#include "export/drawing_primitives.h"

#include <algorithm>
#include <cmath>

void Bounds::Add(Point2 p) {
  if (empty) {
    minX = maxX = p.x;
    minY = maxY = p.y;
    empty = false;
    return;
  }
  minX = std::min(minX, p.x);
  maxX = std::max(maxX, p.x);
  minY = std::min(minY, p.y);
  maxY = std::max(maxY, p.y);
}

void Bounds::Add(const Bounds& other) {
  if (other.empty) return;
  Add(Point2{other.minX, other.minY});
  Add(Point2{other.maxX, other.maxY});
}

void Bounds::Add(const Polyline& line) {
  for (const Point2& p : line.points) Add(p);
  if (!line.HasArcs()) return;
  for (std::size_t i = 0; i < line.SpanCount(); ++i)
    if (line.Bulge(i) != 0.0)
      for (const Point2& p : ArcExtremePoints(line.Span(i))) Add(p);
}

bool Bounds::IsFinite() const {
  return std::isfinite(minX) && std::isfinite(minY) && std::isfinite(maxX) && std::isfinite(maxY) &&
         std::isfinite(maxX - minX) && std::isfinite(maxY - minY);
}

std::size_t Polyline::SpanCount() const {
  if (points.size() < 2) return 0;
  return closed ? points.size() : points.size() - 1;
}

ArcSpan Polyline::Span(std::size_t span) const {
  return ArcSpan{points[span], points[(span + 1) % points.size()], Bulge(span)};
}

bool Polyline::HasArcs() const {
  for (double b : bulges)
    if (b != 0.0) return true;
  return false;
}

bool DrawsStraight(const ArcSpan& span, double toleranceUnits) {
  return !(0.5 * std::fabs(span.bulge) * Distance(span.a, span.b) >= 1e-3 * toleranceUnits);
}
