// With tangent lengths k d and d, the tangent points q0 = a + k d T0 and q1 = b - d T1 are
// (k + 1) d apart, which fixes d; the joint divides q0 q1 as the lengths do, and its heading is
// along q0 q1 for both arcs.
#include "geometry/biarc.h"

#include <cmath>

namespace {

Point2 Minus(Point2 a, Point2 b) {
  return {a.x - b.x, a.y - b.y};
}

double Dot(Point2 a, Point2 b) {
  return a.x * b.x + a.y * b.y;
}

// A bulge is tan(sweep / 4), and an arc turns through twice the angle between its chord and its
// tangent at either end: the bulge from the turn from the start's heading to the chord, or from the
// chord to the end's heading.
double HalfTurnBulge(Point2 heading, Point2 chord) {
  return std::tan(0.5 * Turn(heading, chord));
}

}  // namespace

double Turn(Point2 u, Point2 v) {
  return std::atan2(u.x * v.y - u.y * v.x, Dot(u, v));
}

ArcSpan ArcLeaving(const ArcEnd& from, Point2 to) {
  return ArcSpan{from.p, to, HalfTurnBulge(from.dir, Minus(to, from.p))};
}

std::vector<ArcSpan> Biarc(const ArcEnd& from, const ArcEnd& to, double k) {
  const Point2 v = Minus(to.p, from.p);
  const double vv = Dot(v, v);
  if (!(vv > 0.0) || !(k > 0.0)) return {};
  // |v - d (k T0 + T1)| = (k + 1) d: 2k (1 - T0.T1) d^2 + 2 v.(k T0 + T1) d - v.v = 0, whose
  // positive root is written in the form that does not cancel.
  const Point2 t0 = from.dir, t1 = to.dir;
  const double a = 2.0 * k * (1.0 - Dot(t0, t1));
  const double b = 2.0 * Dot(v, Point2{k * t0.x + t1.x, k * t0.y + t1.y});
  const double denominator = b + std::sqrt(b * b + 4.0 * a * vv);
  if (!(denominator > 0.0)) return {};
  const double d = 2.0 * vv / denominator, d0 = k * d;
  const Point2 q0{from.p.x + d0 * t0.x, from.p.y + d0 * t0.y}, q1{to.p.x - d * t1.x, to.p.y - d * t1.y};
  const double w = k / (k + 1.0);
  const Point2 joint{q0.x + w * (q1.x - q0.x), q0.y + w * (q1.y - q0.y)};
  const ArcSpan pair[] = {ArcLeaving(from, joint),
                          ArcSpan{joint, to.p, HalfTurnBulge(Minus(to.p, joint), t1)}};
  std::vector<ArcSpan> arcs;
  for (const ArcSpan& arc : pair) {
    if (!(Distance(arc.a, arc.b) > 0.0)) continue;
    if (!(std::fabs(arc.bulge) <= 1.0)) return {};
    arcs.push_back(arc);
  }
  return arcs;
}
