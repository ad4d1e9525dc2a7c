// The search behind MatchDesign, in stages: first outlines of the wider coefficient family from
// each alignment hypothesis (cheap: no FitShape), fitted with strays left out (robust_fit), which
// also decides which points are strays; design starts read off the best of them; a continuation
// along the family's limit when the points show no waist; the answer turned to put the neck at the
// narrower bout; and last the winner fitted on every point of a long trace.
#pragma once

#include <optional>
#include <vector>

#include "geometry/result.h"
#include "match/match_fit.h"
#include "match/robust_fit.h"

struct Found {
  FitOutcome fit;
  double score = HUGE_VAL;  // mean squared distance of the points used
  std::optional<WaistLimit> limit;
  DesignValues start{};
  DesignValues values{};
  std::vector<std::size_t> used;  // the points fitted; the others are strays
};

struct SearchCounts {
  int starts = 0, iterations = 0, evaluations = 0;
};

class MatchSearch {
 public:
  MatchSearch(const std::vector<Point2>& points, const MatchOptions& options);

  // The best design, fitted on every point but the strays. An Error when no start gives an
  // outline, or when cancelled.
  Result<Found> Run();
  // One run from a given start, on every point (none is left out).
  Result<Found> RunFrom(const DesignValues& start, const RigidMotion& motion,
                        std::optional<WaistLimit> limit);
  const SearchCounts& counts() const { return m_counts; }

 private:
  struct CurveFit {
    RobustOutcome outcome;
    std::vector<Point2> frame;  // the sampled points in the outline's frame
  };
  struct Reached {
    DesignValues values{};
    RigidMotion motion;
  };
  std::vector<CurveFit> Curves();
  std::optional<CurveFit> Restart(const CurveFit& curve);
  void TakeStrays(const CurveFit& best);
  void DesignStarts(const std::vector<CurveFit>& curves);
  void LimitPath();
  void Orient();
  void Polish();
  // Fits one start on the points kept; nullopt when it gave no outline. The best so far is kept
  // (on a tie, the newcomer when `preferNew`).
  std::optional<Reached> Try(const DesignValues& start, const RigidMotion& motion,
                             std::optional<WaistLimit> limit, bool preferNew = false);
  void Count(int evaluations, int iterations);
  FitRun KeptRun(const std::vector<std::size_t>& use, const RigidMotion& motion) const;
  bool Same(double a, double b) const;
  bool Done() const;  // the best reaches the wider family's best, or two starts agree on it
  bool Stopped() const { return m_options.control.Cancelled(); }
  void Progress(double fraction);  // never backwards

  const std::vector<Point2>& m_points;
  const MatchOptions& m_options;
  std::vector<std::size_t> m_sample;  // the points the starts are tried on
  std::vector<Point2> m_samplePoints;
  std::vector<Point2> m_rankPoints;  // fewer still, for ranking the alignment hypotheses
  std::vector<std::size_t> m_kept;   // of the sample, the points that are not strays
  double m_floor = 0.0, m_invalid = 1.0, m_tie = 0.0;
  std::optional<CurveFit> m_curve;  // the best first outline, which says what a stray is
  std::optional<Found> m_best;
  bool m_curveHasWaist = true;
  int m_agreeing = 0;  // starts whose score matched the best's
  double m_progress = 0.0;
  SearchCounts m_counts;
};
