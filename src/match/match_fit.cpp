// The match's answer: the search's winner, every point measured against it.
#include "match/match_fit.h"

#include <algorithm>

#include "geometry/math_constants.h"
#include "match/match_search.h"
#include "match/outline_solver.h"
#include "match/point_set.h"

namespace {

void MeasurePoints(const std::vector<Point2>& points, const std::vector<std::size_t>& used, MatchResult* r) {
  const std::vector<PointFit> fits = FitPoints(r->model, r->motion, points);
  std::vector<char> fitted(points.size(), 0);
  for (std::size_t i : used) fitted[i] = 1;
  r->points.resize(points.size());
  double sum = 0.0, sumPos = 0.0, sumNeg = 0.0;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < fits.size(); ++i) {
    const PointFit& f = fits[i];
    PointMatch& p = r->points[i];
    const double side = f.frame.y < 0.0 ? -1.0 : 1.0;
    p = {f.frame, {f.nearest.foot.at.x, side * f.nearest.foot.at.y}, f.nearest.distance, !fitted[i]};
    if (p.rejected) {
      r->rejected.push_back(i);
      continue;
    }
    const double d2 = p.distance * p.distance;
    sum += d2;
    ++kept;
    if (std::fabs(p.distance) > r->maxDistance || kept == 1) {
      r->maxDistance = std::fabs(p.distance);
      r->maxIndex = i;
    }
    if (f.frame.y > 0.0) ++r->positiveSide.count, sumPos += d2;
    if (f.frame.y < 0.0) ++r->negativeSide.count, sumNeg += d2;
  }
  r->rms = kept > 0 ? std::sqrt(sum / double(kept)) : 0.0;
  if (r->positiveSide.count) r->positiveSide.rms = std::sqrt(sumPos / double(r->positiveSide.count));
  if (r->negativeSide.count) r->negativeSide.rms = std::sqrt(sumNeg / double(r->negativeSide.count));
  r->wholeBody = r->positiveSide.count >= 3 && r->negativeSide.count >= 3;
}

Result<MatchResult> Summarise(const Result<Found>& found, const SearchCounts& counts,
                              const std::vector<Point2>& points) {
  if (!found) return found.error();
  const Found& f = *found;
  MatchResult r;
  r.start = f.start;
  r.values = f.values;
  r.motion = f.fit.motion;
  r.motion.angle = std::remainder(r.motion.angle, 2.0 * kPi);  // within half a turn either way
  r.model = f.fit.model;
  r.hasWaist = !f.limit.has_value();
  r.starts = counts.starts;
  r.iterations = counts.iterations;
  r.evaluations = counts.evaluations;
  r.refused = f.fit.refused;
  r.stopReason = f.fit.stopReason;
  r.stopText = f.fit.stopText;
  MeasurePoints(points, f.used, &r);
  return r;
}

}  // namespace

std::size_t PointsNeeded(const MatchOptions& options) {
  std::size_t free = options.align ? 3 : 0;
  for (const auto& f : options.fixed)
    if (!f) ++free;
  return std::max(free, kMinPoints);
}

Result<MatchResult> MatchDesign(const std::vector<Point2>& points, const MatchOptions& options) {
  MatchSearch search(points, options);
  const Result<Found> found = search.Run();
  return Summarise(found, search.counts(), points);
}

Result<MatchResult> MatchFrom(const std::vector<Point2>& points, const MatchOptions& options,
                              const DesignValues& start, const RigidMotion& motion,
                              std::optional<WaistLimit> limit) {
  MatchSearch search(points, options);
  const Result<Found> found = search.RunFrom(start, motion, limit);
  return Summarise(found, search.counts(), points);
}
