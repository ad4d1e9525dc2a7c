// The stages of the search; each is short and stops as soon as the caller cancels.
#include "match/match_search.h"

#include <algorithm>
#include <cmath>

#include "geometry/math_constants.h"
#include "match/alignment.h"
#include "match/match_start.h"
#include "match/polar_start.h"

namespace {

constexpr double kAgree = 1e-6;         // scores this close are the same minimum
constexpr double kShallowWaist = 0.05;  // a waist this close to a bout is followed to the limit
constexpr double kLimitDepth = 0.001;   // where the continuation along the limit ends
constexpr int kLimitSteps = 4;
constexpr std::size_t kAlignedCurves = 3;  // hypotheses refined into first outlines
constexpr std::size_t kRankPoints = 300;   // hypotheses are ranked on at most this many points

double Extent(const std::vector<Point2>& points) {
  double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
  for (const Point2& p : points) {
    x0 = std::fmin(x0, p.x), x1 = std::fmax(x1, p.x);
    y0 = std::fmin(y0, p.y), y1 = std::fmax(y1, p.y);
  }
  return std::hypot(x1 - x0, y1 - y0);
}

}  // namespace

MatchSearch::MatchSearch(const std::vector<Point2>& points, const MatchOptions& options)
    : m_points(points), m_options(options) {
  const std::size_t n = points.size(), most = std::max<std::size_t>(options.samplePoints, 1);
  const std::size_t step = std::max<std::size_t>((n + most - 1) / most, 1);
  for (std::size_t i = 0; i < n; i += step) {
    m_sample.push_back(i);
    m_samplePoints.push_back(points[i]);
  }
  m_kept = m_sample;
  const std::size_t rankStep =
      std::max<std::size_t>((m_samplePoints.size() + kRankPoints - 1) / kRankPoints, 1);
  for (std::size_t i = 0; i < m_samplePoints.size(); i += rankStep) m_rankPoints.push_back(m_samplePoints[i]);
  const double extent = Extent(points);
  // No measurement is finer than a micrometre on a body: residuals below this are rounding.
  m_floor = 2e-6 * extent;
  // Mean squares closer than this (a nanometre a metre, squared) are the same.
  m_tie = (1e-9 * extent) * (1e-9 * extent);
  m_invalid = InvalidResidual(points);
}

FitRun MatchSearch::KeptRun(const std::vector<std::size_t>& use, const RigidMotion& motion) const {
  FitRun run;
  run.points = &m_points;
  run.use = use;
  run.align = m_options.align;
  run.motion = motion;
  run.invalidResidual = m_invalid;
  return run;
}

void MatchSearch::Count(int evaluations, int iterations) {
  ++m_counts.starts;
  m_counts.evaluations += evaluations;
  m_counts.iterations += iterations;
}

void MatchSearch::Progress(double fraction) {
  if (!(fraction > m_progress)) return;
  m_progress = std::fmin(fraction, 1.0);
  m_options.control.Report(m_progress);
}

bool MatchSearch::Same(double a, double b) const {
  return std::fabs(a - b) <= kAgree * std::fmax(a, b) + m_tie;
}

std::optional<MatchSearch::Reached> MatchSearch::Try(const DesignValues& start, const RigidMotion& motion,
                                                     std::optional<WaistLimit> limit, bool preferNew) {
  const DesignFamily family(m_options.fixed, limit);
  const FitRun run = KeptRun(m_kept, motion);
  FitOutcome out = Solve(family, run, family.Pack(start), m_options.control);
  Count(out.evaluations, out.iterations);
  if (!out.valid) return std::nullopt;
  const Reached reached{family.Values(out.x.data()), out.motion};
  const double best = m_best ? m_best->score : HUGE_VAL, score = out.meanSquare;
  const bool same = m_best && Same(score, best);
  if (same) ++m_agreeing;
  if ((same && preferNew) || (!same && score < best)) {
    if (!same) m_agreeing = 0;
    m_best = Found{std::move(out), score, limit, start, reached.values, m_kept};
  }
  return reached;
}

bool MatchSearch::Done() const {
  if (!m_best) return false;
  if (m_agreeing > 0) return true;
  const double wider = m_curve ? m_curve->outcome.fit.meanSquare : 0.0;
  return m_curve && (m_best->score <= wider || Same(m_best->score, wider));
}

// Every hypothesis gets a polar start; the best few are refined into outlines of the wider family.
std::vector<MatchSearch::CurveFit> MatchSearch::Curves() {
  struct Ranked {
    double cost;
    RigidMotion motion;
    OutlineModel model;
  };
  std::vector<Ranked> ranked;
  const std::vector<RigidMotion> hypotheses =
      m_options.align ? AlignmentHypotheses(m_rankPoints) : std::vector<RigidMotion>{RigidMotion{}};
  for (const RigidMotion& m : hypotheses) {
    const std::optional<PolarFit> polar = PolarStart(Moved(m, m_rankPoints), m_options.align);
    if (!polar) continue;
    RigidMotion neckAtZero = m;  // the outline's own frame, whatever the polar fit's neck
    neckAtZero.shift.x -= polar->neckX;
    ranked.push_back({polar->cost, neckAtZero, polar->model});
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const Ranked& a, const Ranked& b) { return a.cost < b.cost; });
  std::vector<CurveFit> curves;
  const CoefficientFamily family;
  const RobustRun run{&m_points, m_sample, m_options.align, m_options.keepAll, m_floor, m_invalid};
  for (std::size_t i = 0; i < ranked.size() && i < kAlignedCurves && !Stopped(); ++i) {
    RobustOutcome out =
        RobustFit(family, run, CoefficientFamily::Pack(ranked[i].model), ranked[i].motion, m_options.control);
    Count(out.evaluations, out.fit.iterations);
    if (out.fit.valid) curves.push_back({out, Moved(out.fit.motion, m_samplePoints)});
    Progress(0.1 * double(i + 1));
  }
  std::stable_sort(curves.begin(), curves.end(),
                   [](const CurveFit& a, const CurveFit& b) { return a.outcome.score < b.outcome.score; });
  if (curves.empty()) return curves;
  if (std::optional<CurveFit> again = Restart(curves[0]);
      again && again->outcome.score < curves[0].outcome.score)
    curves.insert(curves.begin(), std::move(*again));
  TakeStrays(curves[0]);
  return curves;
}

// The polar start again, from the points the first outline kept, in its frame: strays pull a polar
// start into another valley than the one the kept points lie in.
std::optional<MatchSearch::CurveFit> MatchSearch::Restart(const CurveFit& curve) {
  if (curve.outcome.used.size() == m_sample.size() || Stopped()) return std::nullopt;
  std::vector<Point2> kept;
  for (std::size_t i : curve.outcome.used) kept.push_back(ApplyMotion(curve.outcome.fit.motion, m_points[i]));
  const std::optional<PolarFit> polar = PolarStart(kept, m_options.align);
  if (!polar) return std::nullopt;
  RigidMotion motion = curve.outcome.fit.motion;
  motion.shift.x -= polar->neckX;
  const RobustRun run{&m_points, m_sample, m_options.align, m_options.keepAll, m_floor, m_invalid};
  RobustOutcome out =
      RobustFit(CoefficientFamily{}, run, CoefficientFamily::Pack(polar->model), motion, m_options.control);
  Count(out.evaluations, out.fit.iterations);
  if (!out.fit.valid) return std::nullopt;
  return CurveFit{out, Moved(out.fit.motion, m_samplePoints)};
}

// The strays are the points the best first outline left out: the wider family bends to any
// outline a design could take, so a point it cannot reach is no part of one.
void MatchSearch::TakeStrays(const CurveFit& best) {
  m_curve = best;
  m_kept = best.outcome.used;
}

void MatchSearch::DesignStarts(const std::vector<CurveFit>& curves) {
  for (std::size_t c = 0; c < curves.size(); ++c) {
    const OutlineModel& model = curves[c].outcome.fit.model;
    const RigidMotion& motion = curves[c].outcome.fit.motion;
    double depth = 0.0;
    const std::optional<DesignValues> fromCurve = DesignFromCurve(model, m_options.fixed, &depth);
    if (c == 0) m_curveHasWaist = fromCurve.has_value() && depth > kShallowWaist;
    std::vector<DesignValues> starts;
    if (fromCurve) starts.push_back(*fromCurve);
    starts.push_back(ReadOffStart(curves[c].frame, m_options.fixed, m_options.align, &model.a[3]));
    starts.push_back(ReadOffStart(curves[c].frame, m_options.fixed, m_options.align));
    for (const DesignValues& start : starts) {
      Try(start, motion, std::nullopt);
      Progress(0.2 + 0.4 * double(m_counts.starts) / double(3 * curves.size() + 2));
      if (Done() || Stopped()) return;
    }
  }
}

// From the best design toward the limit: the waist held ever closer below the narrower bout, each
// step starting where the last one ended.
void MatchSearch::LimitPath() {
  if (!m_best || m_options.fixed[2]) return;
  const double depth0 = WaistDepth(m_best->values);
  if (m_curveHasWaist && depth0 > kShallowWaist) return;
  Reached at{m_best->values, m_best->fit.motion};
  const int bout = at.values[1] < at.values[3] ? 1 : 3;
  const double from = std::fmax(depth0, kLimitDepth);
  for (int step = 1; step <= kLimitSteps && !Stopped(); ++step) {
    const double depth = from * std::pow(kLimitDepth / from, double(step) / kLimitSteps);
    if (const std::optional<Reached> next = Try(at.values, at.motion, WaistLimit{bout, depth})) at = *next;
    Progress(0.6 + 0.2 * double(step) / kLimitSteps);
  }
}

// An aligned outline fits as well turned half round, with its bouts swapped and a3, a5 negated
// (r(pi - t) has the odd coefficients' signs turned): the neck end is taken to be the narrower bout's.
void MatchSearch::Orient() {
  const FixedValues& fixed = m_options.fixed;
  if (!m_best || !m_options.align || !(m_best->values[3] > m_best->values[1])) return;
  if (fixed[1] || fixed[3] || fixed[4] || fixed[6]) return;  // the user's values say which end is which
  const DesignValues& v = m_best->values;
  const DesignValues turned = {v[0], v[3], v[2], v[1], -v[4], v[5], -v[6], v[7]};
  const RigidMotion& m = m_best->fit.motion;
  std::optional<WaistLimit> limit = m_best->limit;
  if (limit) limit->bout = 4 - limit->bout;
  Try(turned, {m.angle + kPi, {v[0] - m.shift.x, -m.shift.y}}, limit, true);
}

// A long trace's winner, fitted again on every point but those the first outline calls strays.
void MatchSearch::Polish() {
  if (!m_best || m_sample.size() == m_points.size()) return;
  std::vector<std::size_t> used;
  if (m_curve && std::isfinite(m_curve->outcome.threshold)) {
    std::vector<std::size_t> all(m_points.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
    const std::vector<double> d =
        Distances(m_curve->outcome.fit.model, m_curve->outcome.fit.motion, m_points, all);
    for (std::size_t i = 0; i < d.size(); ++i)
      if (std::fabs(d[i]) <= m_curve->outcome.threshold) used.push_back(i);
  } else {
    for (std::size_t i = 0; i < m_points.size(); ++i) used.push_back(i);
  }
  const DesignFamily family(m_options.fixed, m_best->limit);
  FitRun run = KeptRun(used, m_best->fit.motion);
  run.warmStart = true;
  FitOutcome out = Solve(family, run, m_best->fit.x, m_options.control);
  Count(out.evaluations, out.iterations);
  --m_counts.starts;  // the same start, carried on
  if (!out.valid) return;
  m_best->values = family.Values(out.x.data());
  m_best->score = out.meanSquare;
  m_best->fit = std::move(out);
  m_best->used = std::move(used);
}

Result<Found> MatchSearch::Run() {
  const std::vector<CurveFit> curves = Curves();
  if (!Stopped()) DesignStarts(curves);
  if (!m_best && !Stopped()) {
    const RigidMotion motion = curves.empty() ? RigidMotion{} : curves[0].outcome.fit.motion;
    const std::vector<Point2> frame = Moved(motion, m_samplePoints);
    Try(FallbackStart(ReadOffStart(frame, m_options.fixed, m_options.align)[0], m_options.fixed), motion,
        std::nullopt);
  }
  if (!m_best && !Stopped()) return Error{"no design fits: no start read off the points gives an outline"};
  LimitPath();
  Orient();
  Polish();
  if (Stopped()) return Error{"cancelled"};
  Progress(1.0);
  return *m_best;
}

Result<Found> MatchSearch::RunFrom(const DesignValues& start, const RigidMotion& motion,
                                   std::optional<WaistLimit> limit) {
  Try(start, motion, limit);
  if (!m_best && !Stopped()) return Error{"no design fits from that start"};
  Polish();
  if (Stopped()) return Error{"cancelled"};
  return *m_best;
}
