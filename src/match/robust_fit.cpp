// The rejection rule and the refit loop.
#include "match/robust_fit.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinimumK = 6.0;
constexpr double kFalseAlarm = 0.005;  // chance that Gaussian noise alone leaves any point out
constexpr double kLargestShareLeftOut = 0.2;
constexpr int kMostRounds = 6;

// z with P(|Z| > z) = p for a standard normal Z.
double TwoSidedQuantile(double p) {
  double lo = 0.0, hi = 40.0;
  for (int i = 0; i < 100; ++i) {
    const double mid = 0.5 * (lo + hi);
    (std::erfc(mid / std::sqrt(2.0)) > p ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

double Quantile(std::vector<double> values, double share) {
  const std::size_t k = std::min(values.size() - 1, std::size_t(share * double(values.size())));
  std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(k), values.end());
  return values[k];
}

double RobustScale(const std::vector<double>& magnitudes) {
  const double first = 1.4826 * Quantile(magnitudes, 0.5);
  double sum = 0.0;
  std::size_t count = 0;
  for (double m : magnitudes)
    if (m <= 3.0 * first) sum += m * m, ++count;
  // A normal variable cut at three standard deviations keeps 0.9733 of its variance.
  return count > 0 ? std::sqrt(sum / double(count) / 0.97334) : first;
}

}  // namespace

Rejection RejectStrays(const std::vector<double>& distances, double floor) {
  Rejection r;
  r.kept.assign(distances.size(), 1);
  r.threshold = HUGE_VAL;
  if (distances.empty()) return r;
  std::vector<double> magnitudes(distances.size());
  for (std::size_t i = 0; i < distances.size(); ++i) magnitudes[i] = std::fabs(distances[i]);
  const double k = std::fmax(kMinimumK, TwoSidedQuantile(kFalseAlarm / double(distances.size())));
  r.threshold = std::fmax(std::fmax(k * RobustScale(magnitudes), floor),
                          Quantile(magnitudes, 1.0 - kLargestShareLeftOut));
  for (std::size_t i = 0; i < distances.size(); ++i)
    if (!(magnitudes[i] <= r.threshold)) r.kept[i] = 0, ++r.rejected;
  return r;
}

double TruncatedMeanSquare(const std::vector<double>& distances, double threshold) {
  if (distances.empty()) return 0.0;
  double sum = 0.0;
  for (double d : distances) sum += std::fmin(d * d, threshold * threshold);
  return sum / double(distances.size());
}

std::vector<double> Distances(const OutlineModel& model, const RigidMotion& motion,
                              const std::vector<Point2>& points, const std::vector<std::size_t>& which) {
  const NearestPointFinder finder(model);
  std::vector<double> d(which.size());
  for (std::size_t i = 0; i < which.size(); ++i) {
    const Point2 q = ApplyMotion(motion, points[which[i]]);
    d[i] = finder.Find({q.x, std::fabs(q.y)}).distance;
  }
  return d;
}

namespace {

// sqrt(1 / (1 + (d / c)^2)) with c = 2.385 times the residuals' robust scale.
std::vector<double> CauchyWeights(const std::vector<double>& d, double floor) {
  std::vector<double> magnitudes(d.size());
  for (std::size_t i = 0; i < d.size(); ++i) magnitudes[i] = std::fabs(d[i]);
  const double c = std::fmax(2.385 * RobustScale(magnitudes), floor);
  std::vector<double> w(d.size());
  for (std::size_t i = 0; i < d.size(); ++i) w[i] = 1.0 / std::sqrt(1.0 + (d[i] / c) * (d[i] / c));
  return w;
}

std::vector<std::size_t> Kept(const std::vector<std::size_t>& scored, const Rejection& r) {
  std::vector<std::size_t> kept;
  for (std::size_t i = 0; i < scored.size(); ++i)
    if (r.kept[i]) kept.push_back(scored[i]);
  return kept;
}

}  // namespace

RobustOutcome RobustFit(const OutlineFamily& family, const RobustRun& run, std::vector<double> start,
                        RigidMotion motion, const MatchControl& control) {
  RobustOutcome out;
  OutlineModel model;
  bool have = family.Outline(start.data(), &model);
  std::vector<std::size_t> previous;
  for (int round = 0; round < kMostRounds; ++round) {
    // The first run keeps every point, weighted down smoothly by its miss from the start (Cauchy's
    // weights): left out by the start's misses, the points a poor start misses most would stay out
    // however well the fit then went. The later runs leave the strays of the last answer out.
    std::vector<std::size_t> use = run.scored;
    std::vector<double> weights;
    if (have && !run.keepAll) {
      const std::vector<double> d = Distances(model, motion, *run.points, run.scored);
      if (round == 0)
        weights = CauchyWeights(d, run.floor);
      else
        use = Kept(run.scored, RejectStrays(d, run.floor));
    }
    if ((round > 1 && use == previous) || (round > 0 && run.keepAll)) break;
    FitRun fit;
    fit.points = run.points;
    fit.use = use;
    fit.weights = std::move(weights);
    fit.align = run.align;
    fit.motion = motion;
    fit.invalidResidual = run.invalidResidual;
    FitOutcome next = Solve(family, fit, start, control);
    out.evaluations += next.evaluations;
    if (next.cancelled || !next.valid) {
      if (round == 0 || next.cancelled) out.fit = std::move(next);
      break;
    }
    start = next.x;
    motion = next.motion;
    model = next.model;
    have = true;
    previous = std::move(use);
    out.fit = std::move(next);
  }
  if (!out.fit.valid) return out;
  out.used = previous;
  out.distances = Distances(out.fit.model, out.fit.motion, *run.points, run.scored);
  out.threshold = run.keepAll ? HUGE_VAL : RejectStrays(out.distances, run.floor).threshold;
  out.score = TruncatedMeanSquare(out.distances, out.threshold);
  return out;
}
