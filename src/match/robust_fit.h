// Fits that leave stray points out (a centreline, text, construction lines, a soundhole traced with
// the outline): a point counts when it lies within a threshold of the outline, the threshold k
// times a robust scale of the residuals themselves, and the fit is repeated on the points that
// count until they stop changing (trimmed least squares).
#pragma once

#include <cstddef>
#include <vector>

#include "match/outline_solver.h"

struct Rejection {
  std::vector<char> kept;  // per residual
  double threshold = 0.0;  // HUGE_VAL when nothing can be left out
  std::size_t rejected = 0;
};

// The scale: 1.4826 times the median |d|, then the RMS of the residuals within three of those
// (corrected for the cut). k grows with the count, so that Gaussian noise alone leaves a point out
// with a chance of 1 in 200 for the whole set; never below 6. The threshold is never below
// `floor` nor below the fifth-largest-fraction of |d|: at most a fifth of the points are left out.
Rejection RejectStrays(const std::vector<double>& distances, double floor);

// The mean of min(d^2, threshold^2): the score of a fit that left points out, in which each point
// left out costs as much as the farthest one kept could.
double TruncatedMeanSquare(const std::vector<double>& distances, double threshold);

struct RobustOutcome {
  FitOutcome fit;
  std::vector<std::size_t> used;  // the points the last run fitted
  std::vector<double> distances;  // of the scored points, under the answer
  double threshold = 0.0;         // HUGE_VAL when everything was kept
  double score = HUGE_VAL;        // TruncatedMeanSquare of the scored points
  int evaluations = 0;            // over every run
};

struct RobustRun {
  const std::vector<Point2>* points = nullptr;
  std::vector<std::size_t> scored;  // the points that count (all, or a sample of a long trace)
  bool align = false;
  bool keepAll = false;  // no point is left out
  double floor = 0.0;    // the smallest threshold
  double invalidResidual = 1.0;
};

RobustOutcome RobustFit(const OutlineFamily& family, const RobustRun& run, std::vector<double> start,
                        RigidMotion motion, const MatchControl& control);

// Signed distances of the points named to the outline, in that order.
std::vector<double> Distances(const OutlineModel& model, const RigidMotion& motion,
                              const std::vector<Point2>& points, const std::vector<std::size_t>& which);
