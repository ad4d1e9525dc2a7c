// Recursive halving against a chord-distance test at a few interior probes. The uniform first pass
// keeps each piece short enough that a smooth curve cannot hide a bulge between the probes.
#include "export/adaptive_sampler.h"

#include <cmath>

namespace {

class Sampler {
 public:
  Sampler(const std::function<Point2(double)>& curve, double tolerance, const SamplerLimits& limits)
      : m_curve(curve), m_tolerance(tolerance), m_limits(limits) {}

  // Appends the vertices of (a, b]; the caller has appended a.
  bool Refine(const CurveSample& a, const CurveSample& b, int depth) {
    if (m_out.size() > m_limits.maxSamples) return false;
    double worst = 0.0;
    for (int i = 1; i <= m_limits.probesPerPiece; ++i) {
      const double s = static_cast<double>(i) / (m_limits.probesPerPiece + 1);
      const Point2 p = m_curve(a.t + (b.t - a.t) * s);
      if (!IsFinite(p)) return false;
      const double d = DistanceToSegment(p, a.point, b.point);
      if (!(d <= worst)) worst = d;
    }
    if (worst <= m_tolerance) {
      m_out.push_back(b);
      return true;
    }
    if (depth >= m_limits.maxDepth) return false;
    const CurveSample mid = Sample(a.t + (b.t - a.t) * 0.5);
    if (!IsFinite(mid.point)) return false;
    return Refine(a, mid, depth + 1) && Refine(mid, b, depth + 1);
  }

  CurveSample Sample(double t) const { return CurveSample{t, m_curve(t)}; }

  std::vector<CurveSample>& Out() { return m_out; }

 private:
  const std::function<Point2(double)>& m_curve;
  double m_tolerance;
  SamplerLimits m_limits;
  std::vector<CurveSample> m_out;
};

}  // namespace

std::optional<std::vector<CurveSample>> SampleCurve(const std::function<Point2(double)>& curve,
                                                    const std::vector<double>& breaks, double tolerance,
                                                    const SamplerLimits& limits) {
  if (breaks.size() < 2 || !(tolerance > 0.0) || !(limits.initialStep > 0.0)) return std::nullopt;
  Sampler sampler(curve, tolerance, limits);
  CurveSample previous = sampler.Sample(breaks.front());
  if (!std::isfinite(previous.t) || !IsFinite(previous.point)) return std::nullopt;
  sampler.Out().push_back(previous);
  for (std::size_t i = 1; i < breaks.size(); ++i) {
    const double from = breaks[i - 1], to = breaks[i];
    if (!std::isfinite(to) || !(to >= from)) return std::nullopt;
    if (to == from) continue;
    const double pieces = std::ceil((to - from) / limits.initialStep);
    if (!(pieces <= static_cast<double>(limits.maxSamples))) return std::nullopt;
    const long count = static_cast<long>(pieces);
    for (long k = 1; k <= count; ++k) {
      const double t = k == count ? to : from + (to - from) * (static_cast<double>(k) / pieces);
      const CurveSample next = sampler.Sample(t);
      if (!IsFinite(next.point) || !sampler.Refine(previous, next, 0)) return std::nullopt;
      previous = next;
    }
  }
  return std::move(sampler.Out());
}
