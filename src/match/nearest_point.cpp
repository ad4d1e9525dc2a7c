// Nearest point on the half outline. The squared distance f(t) is scanned at 181 angles; its
// minimum is then bracketed between the best sample and the neighbour toward which f falls, and f'
// is driven to zero by Newton steps kept inside the bracket (bisection when a step leaves it). At
// the ends the outline meets the centreline at right angles, so f' there is -y r(0)/S: a point off
// the centreline never settles on an end, one on it settles there exactly.
#include "match/nearest_point.h"

#include <cmath>

#include "geometry/golden_section.h"
#include "geometry/math_constants.h"

namespace {

constexpr int kSamples = 180;  // intervals of one degree

double SampleAngle(int k) {
  return k == kSamples ? kPi : k * (kPi / kSamples);
}

}  // namespace

NearestPointFinder::NearestPointFinder(const OutlineModel& model) : m_model(model) {
  m_samples.resize(kSamples + 1);
  CurvePoint c;
  for (int k = 0; k <= kSamples; ++k) {
    EvaluateCurve(model, SampleAngle(k), &c);
    m_samples[std::size_t(k)] = c.at;
  }
}

// f'(t)/1 = (c - p) . c'; c is left evaluated at t.
double NearestPointFinder::Slope(double t, Point2 p, CurvePoint* c) const {
  EvaluateCurve(m_model, t, c);
  return (c->at.x - p.x) * c->d.x + (c->at.y - p.y) * c->d.y;
}

double NearestPointFinder::Refine(double lo, double hi, double t, Point2 p) const {
  CurvePoint c;
  double lastStep = HUGE_VAL;
  for (int i = 0; i < 100; ++i) {
    const double slope = Slope(t, p, &c);
    if (slope == 0.0) return t;
    if (slope < 0.0)
      lo = t;
    else
      hi = t;
    const double curvature =
        c.d.x * c.d.x + c.d.y * c.d.y + (c.at.x - p.x) * c.dd.x + (c.at.y - p.y) * c.dd.y;
    double next = curvature > 0.0 ? t - slope / curvature : 0.5 * (lo + hi);
    const bool newton = next > lo && next < hi;
    if (!newton) next = 0.5 * (lo + hi);
    if (next == t || next <= lo || next >= hi) return t;  // the bracket is down to rounding
    const double step = std::fabs(next - t);
    t = next;
    // Newton converges quadratically: once two of its steps have shrunk this far the error is far
    // below rounding, and further steps would only dither in the last bits. (Halving converges
    // slowly and runs on to the bracket's rounding.)
    if (newton && step <= 1e-12 && lastStep <= 1e-6) return t;
    lastStep = newton ? step : HUGE_VAL;
  }
  return t;
}

double NearestPointFinder::GoldenSection(double lo, double hi, Point2 p) const {
  CurvePoint c;
  const auto f = [&](double t) {
    EvaluateCurve(m_model, t, &c);
    return (c.at.x - p.x) * (c.at.x - p.x) + (c.at.y - p.y) * (c.at.y - p.y);
  };
  return GoldenSectionMinimum(f, lo, hi, 80, 1e-15);
}

NearestPoint NearestPointFinder::Find(Point2 p) const {
  int best = 0;
  double bestD2 = INFINITY;
  for (int k = 0; k <= kSamples; ++k) {
    const double dx = m_samples[std::size_t(k)].x - p.x, dy = m_samples[std::size_t(k)].y - p.y;
    const double d2 = dx * dx + dy * dy;
    if (d2 < bestD2) {
      bestD2 = d2;
      best = k;
    }
  }
  double t = SampleAngle(best);
  CurvePoint c;
  const double slope = Slope(t, p, &c);
  if (slope < 0.0 && best < kSamples) {
    const double hi = SampleAngle(best + 1);
    CurvePoint h;
    t = Slope(hi, p, &h) > 0.0 ? Refine(t, hi, t, p) : GoldenSection(t, hi, p);
  } else if (slope > 0.0 && best > 0) {
    const double lo = SampleAngle(best - 1);
    CurvePoint l;
    t = Slope(lo, p, &l) < 0.0 ? Refine(lo, t, t, p) : GoldenSection(lo, t, p);
  }
  return Foot(p, t);
}

NearestPoint NearestPointFinder::FindNear(Point2 p, double hint) const {
  constexpr double kWindow = 0.02;  // radians: about a degree either side
  const double lo = std::fmax(0.0, hint - kWindow), hi = std::fmin(kPi, hint + kWindow);
  if (!(lo < hi)) return Find(p);
  const double t = Refine(lo, hi, std::fmin(std::fmax(hint, lo), hi), p);
  CurvePoint c;
  const double slope = Slope(t, p, &c);
  const double curvature = c.d.x * c.d.x + c.d.y * c.d.y + (c.at.x - p.x) * c.dd.x + (c.at.y - p.y) * c.dd.y;
  // Inside the window at a minimum: the nearest point moved on with the outline. Anything else
  // (an end, a maximum) gets the full search.
  if (!(t > lo && t < hi) || !(curvature > 0.0) || !(std::fabs(slope) <= 1e-9 * curvature)) return Find(p);
  return Foot(p, t);
}

NearestPoint NearestPointFinder::Foot(Point2 p, double t) const {
  NearestPoint n;
  n.t = t;
  EvaluateCurve(m_model, t, &n.foot);
  const double ex = p.x - n.foot.at.x, ey = p.y - n.foot.at.y;
  const double tangent = std::hypot(n.foot.d.x, n.foot.d.y);
  // Outward normal: the half outline runs anticlockwise from the tail end to the neck end.
  const double nx = tangent > 0.0 ? n.foot.d.y / tangent : 1.0;
  const double ny = tangent > 0.0 ? -n.foot.d.x / tangent : 0.0;
  const double length = std::hypot(ex, ey);
  if (length > 0.0) {
    const double sign = ex * nx + ey * ny < 0.0 ? -1.0 : 1.0;
    n.distance = sign * length;
    n.direction = {sign * ex / length, sign * ey / length};
  } else {
    n.direction = {nx, ny};
  }
  return n;
}
