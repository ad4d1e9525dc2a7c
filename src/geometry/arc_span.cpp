// A bulge arc's points, headings, distance and extremes. The point formula goes through
// sin(x) / x, so a nearly straight span (a huge radius) loses nothing to a far-away centre.
#include "geometry/arc_span.h"

#include <cmath>

namespace {

// Below this bulge the arc strays from its chord by less than a billionth of the chord's length.
constexpr double kStraightBulge = 1e-9;

double SinOverX(double x) {
  return x == 0.0 ? 1.0 : std::sin(x) / x;
}

double ChordHeading(const ArcSpan& s) {
  return std::atan2(s.b.y - s.a.y, s.b.x - s.a.x);
}

// The centre and signed radius (positive when the span turns anticlockwise).
struct Circle2 {
  Point2 centre;
  double radius = 0.0;
};

Circle2 CircleOf(const ArcSpan& s) {
  const double half = 0.5 * ArcSweep(s), chord = Distance(s.a, s.b);
  const double radius = chord / (2.0 * std::sin(half));
  const double start = ChordHeading(s) - half;
  return {Point2{s.a.x - radius * std::sin(start), s.a.y + radius * std::cos(start)}, radius};
}

// sqrt of the sum of squares: the many distance queries need no protection from overflow that
// hypot gives.
double Length(double x, double y) {
  return std::sqrt(x * x + y * y);
}

double Cross(Point2 u, Point2 v) {
  return u.x * v.y - u.y * v.x;
}

// True when the direction from the centre to p falls within the span's sweep: for a sweep of at
// most a half turn, p lies on the far side of the radius to a and on the near side of the radius to
// b; a larger sweep is the whole circle but the smaller one from b back to a.
bool WithinSweep(Point2 p, Point2 centre, Point2 a, Point2 b, double turn, bool major) {
  const Point2 ra{a.x - centre.x, a.y - centre.y}, rb{b.x - centre.x, b.y - centre.y};
  const Point2 rp{p.x - centre.x, p.y - centre.y};
  if (!major) return turn * Cross(ra, rp) >= 0.0 && turn * Cross(rp, rb) >= 0.0;
  return !(turn * Cross(rb, rp) > 0.0 && turn * Cross(rp, ra) > 0.0);
}

}  // namespace

double ArcSweep(const ArcSpan& s) {
  return 4.0 * std::atan(s.bulge);
}

Point2 ArcPointAt(const ArcSpan& s, double u) {
  const double sweep = ArcSweep(s), chord = Distance(s.a, s.b);
  const double start = ChordHeading(s) - 0.5 * sweep;
  // Along the start tangent R sin(u sweep), across it R (1 - cos(u sweep)), with R the signed radius
  // chord / (2 sin(sweep / 2)), both written through sin(x) / x.
  const double norm = chord / SinOverX(0.5 * sweep);
  const double along = norm * u * SinOverX(u * sweep);
  const double half = SinOverX(0.5 * u * sweep);
  const double across = norm * 0.5 * u * u * sweep * half * half;
  const double c = std::cos(start), sn = std::sin(start);
  return Point2{s.a.x + along * c - across * sn, s.a.y + along * sn + across * c};
}

double ArcHeadingAt(const ArcSpan& s, double u) {
  const double sweep = ArcSweep(s);
  return ChordHeading(s) - 0.5 * sweep + u * sweep;
}

ArcDistance::ArcDistance(const ArcSpan& s) : m_span(s), m_straight(std::fabs(s.bulge) < kStraightBulge) {
  if (m_straight) return;
  const Circle2 c = CircleOf(s);
  m_centre = c.centre;
  m_radius = std::fabs(c.radius);
  m_turn = s.bulge > 0.0 ? 1.0 : -1.0;
  m_major = std::fabs(s.bulge) > 1.0;
}

double ArcDistance::operator()(Point2 p) const {
  if (m_straight) return DistanceToSegment(p, m_span.a, m_span.b);
  if (WithinSweep(p, m_centre, m_span.a, m_span.b, m_turn, m_major))
    return std::fabs(Length(p.x - m_centre.x, p.y - m_centre.y) - m_radius);
  return std::fmin(Length(p.x - m_span.a.x, p.y - m_span.a.y), Length(p.x - m_span.b.x, p.y - m_span.b.y));
}

double DistanceToArc(Point2 p, const ArcSpan& s) {
  return ArcDistance(s)(p);
}

std::vector<Point2> ArcExtremePoints(const ArcSpan& s) {
  std::vector<Point2> out{s.a, s.b};
  if (std::fabs(s.bulge) < kStraightBulge) return out;
  const Circle2 c = CircleOf(s);
  const double r = std::fabs(c.radius);
  const Point2 ends[] = {{c.centre.x + r, c.centre.y},
                         {c.centre.x, c.centre.y + r},
                         {c.centre.x - r, c.centre.y},
                         {c.centre.x, c.centre.y - r}};
  for (const Point2& e : ends)
    if (WithinSweep(e, c.centre, s.a, s.b, s.bulge > 0.0 ? 1.0 : -1.0, std::fabs(s.bulge) > 1.0))
      out.push_back(e);
  return out;
}
