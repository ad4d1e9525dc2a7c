// A greedy walk along the curve. From each vertex it takes the longest biarc that fits and arrives
// in a balanced heading (found by doubling, then halving, its parameter width), or a single arc
// (leaving along the chain's heading) where one reaches as far: to the next break, or where the
// biarc's joint lies so near an end that its second arc is a sliver. The curve's last span is a
// biarc that arrives along the curve's own tangent, so a mirrored copy joins it tangentially.
#include "geometry/arc_fit.h"

#include <cmath>

#include "geometry/biarc.h"
#include "geometry/golden_section.h"
#include "geometry/math_constants.h"

namespace {

// The arcs are measured at samples; this share of the tolerance leaves room for what lies between.
constexpr double kSampledShare = 0.97;
constexpr int kCurveSamples = 48;
constexpr int kArcSamples = 16;
constexpr int kRefineIterations = 30;
constexpr int kFootSteps = 8;
// The joint's place is chosen on every fourth sample; the chosen biarc is checked on all.
constexpr std::size_t kCoarseStride = 4;
// The biarc's tangent lengths may differ by a factor of e^2.5 either way.
constexpr double kLogRatioRange = 2.5;
constexpr int kRatioIterations = 20;
// Joints the construction makes tangent agree to rounding; anything worse is a degenerate biarc.
constexpr double kJointRadians = 1e-7;
// The search for the longest span stops within this share of the width found.
constexpr double kWidthSearchShare = 0.02;
constexpr int kMaxHalvings = 64;
// An arc of a biarc shorter than this share of the biarc's chord is a sliver.
constexpr double kSliverShare = 0.2;

struct Node {
  double t = 0.0;
  ArcEnd end;
};

struct Step {
  Node reached;
  std::vector<ArcSpan> arcs;
};

enum class StepKind { Arc, BalancedBiarc, ClosingBiarc };

Point2 Minus(Point2 a, Point2 b) {
  return {a.x - b.x, a.y - b.y};
}

Point2 Direction(double heading) {
  return Point2{std::cos(heading), std::sin(heading)};
}

double Heading(Point2 v) {
  return std::atan2(v.y, v.x);
}

double AngleGap(double a, double b) {
  return std::fabs(std::remainder(a - b, 2.0 * kPi));
}

std::vector<ArcDistance> Prepared(const std::vector<ArcSpan>& arcs) {
  return std::vector<ArcDistance>(arcs.begin(), arcs.end());
}

double DistanceToArcs(Point2 p, const std::vector<ArcDistance>& arcs) {
  double best = HUGE_VAL;
  for (const ArcDistance& arc : arcs) best = std::fmin(best, arc(p));
  return best;
}

// The farthest of every stride-th interior sample from the arcs.
double Farthest(const std::vector<Node>& samples, std::size_t stride, const std::vector<ArcSpan>& spans) {
  const std::vector<ArcDistance> arcs = Prepared(spans);
  double worst = 0.0;
  for (std::size_t i = 1; i + 1 < samples.size(); i += stride) {
    const double d = DistanceToArcs(samples[i].end.p, arcs);
    if (!(d <= worst)) worst = d;
  }
  return worst;
}

// Each arc leaves in the heading the one before arrives in, from the first heading to the last.
bool Tangent(double first, const std::vector<ArcSpan>& arcs, double last) {
  double heading = first;
  for (const ArcSpan& arc : arcs) {
    if (!(AngleGap(ArcHeadingAt(arc, 0.0), heading) <= kJointRadians)) return false;
    heading = ArcHeadingAt(arc, 1.0);
  }
  return AngleGap(last, heading) <= kJointRadians;
}

class Fitter {
 public:
  Fitter(const ArcCurve& curve, double lo, double hi, double tolerance)
      : m_curve(curve), m_lo(lo), m_hi(hi), m_target(kSampledShare * tolerance) {}

  // The curve's point at t, headed along its tangent.
  std::optional<Node> CurveNode(double t) const;
  // The next arcs from start towards `to`, which closes the curve when `closing`.
  std::optional<Step> NextStep(const Node& start, const Node& to, bool closing, double guess) const;

 private:
  std::optional<Step> Longest(const Node& start, const Node& to, StepKind kind, double guess) const;
  std::optional<Step> Try(const Node& start, Node end, StepKind kind) const;
  Point2 BalancedHeading(const Node& at, double width) const;
  bool CurveSamples(const Node& s, const Node& e, std::vector<Node>* samples) const;
  bool ArcsNearCurve(const std::vector<ArcSpan>& arcs, const std::vector<Node>& samples) const;
  double DistanceToCurve(Point2 q, const std::vector<Node>& samples) const;
  double FarthestRefined(const std::vector<Node>& samples, const std::vector<ArcSpan>& arcs) const;

  const ArcCurve& m_curve;
  double m_lo, m_hi, m_target;
};

std::optional<Node> Fitter::CurveNode(double t) const {
  Node n{t, {m_curve.point(t), {}}};
  if (!IsFinite(n.end.p)) return std::nullopt;
  Point2 d = m_curve.tangent(t);
  double len = std::hypot(d.x, d.y);
  if (!(len > 0.0) || !std::isfinite(len)) {
    // Where the parameter stalls, the direction the curve arrives and leaves by.
    const double h = 1e-6 * (m_hi - m_lo);
    d = Minus(m_curve.point(std::fmin(m_hi, t + h)), m_curve.point(std::fmax(m_lo, t - h)));
    len = std::hypot(d.x, d.y);
    if (!(len > 0.0) || !std::isfinite(len)) return std::nullopt;
  }
  n.end.dir = Point2{d.x / len, d.y / len};
  return n;
}

// The heading at a vertex that suits the arcs on both sides of it: that of the arc through the
// curve at `at` and half a span on whose deviations from the curve's tangents at its two ends are
// equal, as they are in the best chain of arcs along a curve whose curvature changes steadily.
Point2 Fitter::BalancedHeading(const Node& at, double width) const {
  const bool ahead = at.t + 0.5 * width <= m_hi;
  const auto other = CurveNode(ahead ? at.t + 0.5 * width : at.t - 0.5 * width);
  if (!other) return at.end.dir;
  const ArcEnd& a = ahead ? at.end : other->end;
  const ArcEnd& b = ahead ? other->end : at.end;
  const Point2 chord = Minus(b.p, a.p);
  const double halfSweep = 0.5 * (Turn(a.dir, chord) + Turn(chord, b.dir));
  return Direction(Heading(chord) + (ahead ? -halfSweep : halfSweep));
}

bool Fitter::CurveSamples(const Node& s, const Node& e, std::vector<Node>* samples) const {
  samples->push_back(s);
  for (int i = 1; i <= kCurveSamples; ++i) {
    const double t = s.t + (e.t - s.t) * (static_cast<double>(i) / (kCurveSamples + 1));
    samples->push_back(Node{t, {m_curve.point(t), {}}});
    if (!IsFinite(samples->back().end.p)) return false;
  }
  samples->push_back(e);
  return true;
}

// The farthest sample from the arcs, then the farthest point between its neighbours.
double Fitter::FarthestRefined(const std::vector<Node>& samples, const std::vector<ArcSpan>& spans) const {
  const std::vector<ArcDistance> arcs = Prepared(spans);
  double worst = 0.0;
  std::size_t at = 0;
  for (std::size_t i = 1; i + 1 < samples.size(); ++i) {
    const double d = DistanceToArcs(samples[i].end.p, arcs);
    if (!(d <= worst)) {
      worst = d;
      at = i;
    }
  }
  if (at == 0 || !std::isfinite(worst)) return worst;
  const auto nearness = [&](double t) { return -DistanceToArcs(m_curve.point(t), arcs); };
  const double t =
      GoldenSectionMinimum(nearness, samples[at - 1].t, samples[at + 1].t, kRefineIterations, 0.0);
  return std::fmax(worst, -nearness(t));
}

// The foot of the perpendicular from q lies where (c(t) - q) . c'(t) changes sign: between the
// nearest sample's neighbours, found by regula falsi with the Illinois halving (which converges
// faster than linearly and needs no derivative of its own). A foot beyond the samples' stretch of
// the curve is taken at its end, which can only make the distance larger.
double Fitter::DistanceToCurve(Point2 q, const std::vector<Node>& samples) const {
  std::size_t nearest = 0;
  double nearest2 = HUGE_VAL;
  for (std::size_t k = 0; k < samples.size(); ++k) {
    const double dx = q.x - samples[k].end.p.x, dy = q.y - samples[k].end.p.y;
    if (dx * dx + dy * dy < nearest2) {
      nearest2 = dx * dx + dy * dy;
      nearest = k;
    }
  }
  double best = Distance(q, samples[nearest].end.p);
  const auto along = [&](double t) {
    const Point2 c = m_curve.point(t), d = m_curve.tangent(t);
    best = std::fmin(best, Distance(q, c));
    return (c.x - q.x) * d.x + (c.y - q.y) * d.y;
  };
  double a = samples[nearest == 0 ? 0 : nearest - 1].t;
  double b = samples[nearest + 1 == samples.size() ? nearest : nearest + 1].t;
  double ga = along(a), gb = along(b);
  if (!(ga < 0.0 && gb > 0.0)) return best;
  int side = 0;
  for (int i = 0; i < kFootSteps; ++i) {
    const double c = a - ga * (b - a) / (gb - ga), gc = along(c);
    if (gc < 0.0) {
      a = c;
      ga = gc;
      if (side < 0) gb *= 0.5;
      side = -1;
    } else if (gc > 0.0) {
      b = c;
      gb = gc;
      if (side > 0) ga *= 0.5;
      side = 1;
    } else {
      break;
    }
  }
  return best;
}

bool Fitter::ArcsNearCurve(const std::vector<ArcSpan>& arcs, const std::vector<Node>& samples) const {
  for (const ArcSpan& arc : arcs)
    for (int i = 1; i <= kArcSamples; ++i)
      if (!(DistanceToCurve(ArcPointAt(arc, static_cast<double>(i) / kArcSamples), samples) <= m_target))
        return false;
  return true;
}

// The arcs of the given kind from start to end (whose heading a single arc and a balanced biarc
// choose for themselves), if they stay within the tolerance both ways.
std::optional<Step> Fitter::Try(const Node& start, Node end, StepKind kind) const {
  std::vector<Node> samples;
  if (!CurveSamples(start, end, &samples)) return std::nullopt;
  std::vector<ArcSpan> arcs;
  if (kind == StepKind::Arc) {
    arcs.push_back(ArcLeaving(start.end, end.end.p));
    if (!(Distance(start.end.p, end.end.p) > 0.0) || !(std::fabs(arcs[0].bulge) <= 1.0)) return std::nullopt;
    end.end.dir = Direction(ArcHeadingAt(arcs[0], 1.0));
  } else if (const ArcSpan one = ArcLeaving(start.end, end.end.p);
             kind == StepKind::ClosingBiarc && Distance(one.a, one.b) > 0.0 &&
             AngleGap(ArcHeadingAt(one, 1.0), Heading(end.end.dir)) <= kJointRadians) {
    // The curve is a circle (or a line) here: one arc arrives along its tangent already.
    arcs.push_back(one);
  } else {
    if (kind == StepKind::BalancedBiarc) end.end.dir = BalancedHeading(end, end.t - start.t);
    // The ratio of the tangent lengths that keeps a few samples nearest the arcs, on a log scale.
    const auto coarse = [&](double logK) {
      const auto pair = Biarc(start.end, end.end, std::exp(logK));
      return pair.empty() ? HUGE_VAL : Farthest(samples, kCoarseStride, pair);
    };
    arcs =
        Biarc(start.end, end.end,
              std::exp(GoldenSectionMinimum(coarse, -kLogRatioRange, kLogRatioRange, kRatioIterations, 0.0)));
    if (arcs.empty()) return std::nullopt;
  }
  if (!Tangent(Heading(start.end.dir), arcs, Heading(end.end.dir)) ||
      !(FarthestRefined(samples, arcs) <= m_target) || !ArcsNearCurve(arcs, samples))
    return std::nullopt;
  return Step{end, std::move(arcs)};
}

// Grows the width from `guess` by doubling while the arcs fit, then halves the gap between the
// longest that fits and the shortest that does not.
std::optional<Step> Fitter::Longest(const Node& start, const Node& to, StepKind kind, double guess) const {
  if (auto whole = Try(start, to, kind)) return whole;
  std::optional<Step> best;
  double lo = start.t, hi = to.t;
  double t = guess > 0.0 && start.t + guess < to.t ? start.t + guess : start.t + 0.5 * (to.t - start.t);
  for (int i = 0; i < kMaxHalvings && !(best && hi - lo <= kWidthSearchShare * (lo - start.t)); ++i) {
    if (!(t > start.t && t < hi)) break;
    const auto node = CurveNode(t);
    if (!node) return std::nullopt;
    if (auto step = Try(start, *node, kind)) {
      best = std::move(step);
      lo = t;
      const double doubled = start.t + 2.0 * (t - start.t);
      t = doubled < hi && hi == to.t ? doubled : lo + 0.5 * (hi - lo);
    } else {
      hi = t;
      t = lo + 0.5 * (hi - lo);
    }
  }
  return best;
}

std::optional<Step> Fitter::NextStep(const Node& start, const Node& to, bool closing, double guess) const {
  // Before the curve's end only a closing biarc may reach it: it alone arrives along the tangent.
  Node limit = to;
  if (closing) {
    if (auto last = Try(start, to, StepKind::ClosingBiarc)) return last;
    const auto before = CurveNode(start.t + (1.0 - kWidthSearchShare) * (to.t - start.t));
    if (!before) return std::nullopt;
    limit = *before;
  } else if (auto arc = Try(start, to, StepKind::Arc)) {
    return arc;
  }
  auto biarc = Longest(start, limit, StepKind::BalancedBiarc, guess);
  // A biarc whose joint lies near one end is one arc and a sliver: one arc alone is better.
  if (biarc && biarc->arcs.size() == 2 &&
      std::fmin(Distance(biarc->arcs[0].a, biarc->arcs[0].b), Distance(biarc->arcs[1].a, biarc->arcs[1].b)) <
          kSliverShare * Distance(start.end.p, biarc->reached.end.p))
    if (auto arc = Try(start, biarc->reached, StepKind::Arc)) return arc;
  return biarc;
}

bool UsableBreaks(const std::vector<double>& breaks) {
  if (breaks.size() < 2) return false;
  for (std::size_t i = 0; i < breaks.size(); ++i)
    if (!std::isfinite(breaks[i]) || (i > 0 && !(breaks[i] >= breaks[i - 1]))) return false;
  return breaks.back() > breaks.front();
}

}  // namespace

std::optional<ArcChain> FitArcs(const ArcCurve& curve, const std::vector<double>& breaks, double tolerance,
                                std::size_t maxArcs) {
  if (!UsableBreaks(breaks) || !(tolerance > 0.0) || !std::isfinite(tolerance)) return std::nullopt;
  const Fitter fitter(curve, breaks.front(), breaks.back(), tolerance);
  auto start = fitter.CurveNode(breaks.front());
  if (!start) return std::nullopt;
  ArcChain chain;
  double width = 0.0;  // of the last step: where the next one's search starts
  chain.vertices.push_back(start->end.p);
  for (std::size_t i = 1; i < breaks.size(); ++i) {
    if (breaks[i] == breaks[i - 1]) continue;
    const auto end = fitter.CurveNode(breaks[i]);
    if (!end) return std::nullopt;
    while (start->t < end->t) {
      auto step = fitter.NextStep(*start, *end, i + 1 == breaks.size(), width);
      if (!step) return std::nullopt;
      for (const ArcSpan& arc : step->arcs) {
        chain.vertices.push_back(arc.b);
        chain.bulges.push_back(arc.bulge);
      }
      if (chain.bulges.size() > maxArcs) return std::nullopt;
      width = step->reached.t - start->t;
      start = step->reached;
    }
  }
  return chain;
}
