// Linear least squares on Eigen's LDLT; the radial miss of each point is weighted by how far a
// radial step moves it in the unstretched plane, so that costs at different S compare.
#include "match/polar_start.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

namespace {

struct Trial {
  double logScale = 0.0, centre = 0.0;
  bool freeNeck = false;
  double cost = HUGE_VAL;
  double a[7] = {};
};

using Vector7 = Eigen::Matrix<double, 7, 1>;
using Matrix7 = Eigen::Matrix<double, 7, 7>;

// One solve at (S, c) over the points whose weight is not zero. The unknowns are a0..a6 with the
// neck free; held, a0 is c minus the alternating sum of the others, and its row stays empty.
void Solve(const std::vector<Point2>& pts, const std::vector<double>& keep, Trial* trial) {
  const double S = std::exp(trial->logScale), c = trial->centre;
  Matrix7 normal = Matrix7::Zero();
  Vector7 rhs = Vector7::Zero();
  double tt = 0.0, weights = 0.0;
  Vector7 b;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    if (keep[i] == 0.0) continue;
    const double u = pts[i].x - c, w = S * std::fabs(pts[i].y);
    const double t = std::atan2(w, u), rho = std::hypot(u, w);
    const double c1 = std::cos(t), s1 = std::sin(t), g2 = keep[i] * (c1 * c1 + s1 * s1 / (S * S));
    double ck = 1.0, sk = 0.0;
    b[0] = trial->freeNeck ? 1.0 : 0.0;
    for (int k = 1; k <= 6; ++k) {  // cos kt by angle addition
      const double next = ck * c1 - sk * s1;
      sk = sk * c1 + ck * s1;
      ck = next;
      b[k] = trial->freeNeck ? ck : ck - (k % 2 == 0 ? 1.0 : -1.0);
    }
    const double target = trial->freeNeck ? rho : rho - c;
    normal.selfadjointView<Eigen::Lower>().rankUpdate(b, g2);
    rhs += g2 * target * b;
    tt += g2 * target * target;
    weights += keep[i];
  }
  if (!trial->freeNeck) normal(0, 0) = 1.0;  // a0 is not an unknown: keep the system regular
  const Eigen::LDLT<Matrix7> ldlt(normal.selfadjointView<Eigen::Lower>());
  if (ldlt.info() != Eigen::Success || !(weights > 0.0)) return;
  const Vector7 x = ldlt.solve(rhs);
  const double cost = (tt - 2.0 * x.dot(rhs) + x.dot(normal.selfadjointView<Eigen::Lower>() * x)) / weights;
  if (!std::isfinite(cost) || !x.allFinite()) return;
  trial->cost = std::fmax(cost, 0.0);
  double alternating = 0.0;
  for (int k = 1; k <= 6; ++k) {
    trial->a[k] = x[k];
    alternating += (k % 2 == 0 ? 1.0 : -1.0) * x[k];
  }
  trial->a[0] = trial->freeNeck ? x[0] : c - alternating;
}

// The best trial of a grid in (log S, c / length), then a pattern search around it.
Trial Search(const std::vector<Point2>& pts, const std::vector<double>& keep, double from, double length,
             bool freeNeck) {
  Trial best;
  best.freeNeck = freeNeck;
  for (double scale : {0.35, 0.45, 0.55, 0.65, 0.8, 1.0, 1.25, 1.6, 2.0, 2.6})
    for (double share : {0.3, 0.4, 0.5, 0.6, 0.7}) {
      Trial t;
      t.freeNeck = freeNeck;
      t.logScale = std::log(scale);
      t.centre = from + share * length;
      Solve(pts, keep, &t);
      if (t.cost < best.cost) best = t;
    }
  double stepScale = 0.12, stepCentre = 0.05 * length;
  for (int round = 0; round < 12 && best.cost < HUGE_VAL; ++round) {
    bool moved = false;
    for (const auto& [ds, dc] : {std::pair{1.0, 0.0}, {-1.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}}) {
      Trial t = best;
      t.logScale += ds * stepScale;
      t.centre += dc * stepCentre;
      Solve(pts, keep, &t);
      if (t.cost < best.cost) best = t, moved = true;
    }
    if (!moved) stepScale *= 0.5, stepCentre *= 0.5;
  }
  return best;
}

// The x range the centre is searched over: from 0 (or further back) to the last point held;
// anywhere among the points when the neck is free.
void Span(const std::vector<Point2>& pts, bool freeNeck, double* from, double* length) {
  double lo = freeNeck ? HUGE_VAL : 0.0, hi = freeNeck ? -HUGE_VAL : 0.0;
  for (const Point2& p : pts) lo = std::fmin(lo, p.x), hi = std::fmax(hi, p.x);
  *from = lo;
  *length = hi - lo;
}

// Leaves out the points whose miss is far above the others' (strays), for the last solve.
std::vector<double> Trimmed(const std::vector<Point2>& pts, const Trial& trial) {
  OutlineModel m;
  std::vector<double> keep(pts.size(), 1.0);
  if (!CurveOutlineModel(trial.a, std::exp(trial.logScale), &m)) return keep;
  std::vector<double> miss(pts.size());
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const double u = pts[i].x - trial.centre, w = m.scale * std::fabs(pts[i].y);
    CurvePoint c;
    EvaluateCurve(m, std::atan2(w, u), &c);
    miss[i] = std::fabs(std::hypot(u, w) - c.r);
  }
  std::vector<double> sorted = miss;
  std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2), sorted.end());
  const double limit = 5.0 * 1.4826 * sorted[sorted.size() / 2];
  for (std::size_t i = 0; i < pts.size(); ++i)
    if (miss[i] > limit) keep[i] = 0.0;
  return keep;
}

}  // namespace

std::optional<PolarFit> PolarStart(const std::vector<Point2>& frame, bool freeNeck) {
  double from = 0.0, length = 0.0;
  Span(frame, freeNeck, &from, &length);
  if (!(length > 0.0) || !std::isfinite(length)) return std::nullopt;
  Trial best = Search(frame, std::vector<double>(frame.size(), 1.0), from, length, freeNeck);
  if (best.cost == HUGE_VAL) return std::nullopt;
  const std::vector<double> keep = Trimmed(frame, best);
  if (std::count(keep.begin(), keep.end(), 0.0) > 0) {
    Trial trimmed = Search(frame, keep, from, length, freeNeck);
    if (trimmed.cost < HUGE_VAL) best = trimmed;
  }
  PolarFit fit;
  if (!CurveOutlineModel(best.a, std::exp(best.logScale), &fit.model)) return std::nullopt;
  fit.cost = best.cost;
  fit.neckX = best.centre - fit.model.shift;  // x(pi) = c - r(pi)
  return fit;
}
