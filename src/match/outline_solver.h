// One Levenberg-Marquardt run (Eigen's, MINPACK's algorithm) over a family of outlines and, with
// alignment, a rigid motion of the points: it minimises the squared distances from the points used
// to the nearest point of the half outline (each point folded onto y >= 0).
#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "match/match_control.h"
#include "match/nearest_point.h"
#include "match/outline_family.h"
#include "match/rigid_motion.h"

struct FitRun {
  const std::vector<Point2>* points = nullptr;
  std::vector<std::size_t> use;  // the points fitted
  std::vector<double> weights;   // each used point's residual is scaled by its weight; empty: all 1
  bool align = false;            // the motion is fitted too; else it is held
  RigidMotion motion;            // where the run starts
  double invalidResidual = 1.0;  // the residual of every point for parameters with no outline
  int maxEvaluations = 0;        // 0: 100 per parameter
  // Each point's nearest outline point is first sought near where the last evaluation found it:
  // for a run that starts close to its answer (a long trace refitted after its sample).
  bool warmStart = false;
};

struct FitOutcome {
  std::vector<double> x;
  RigidMotion motion;
  OutlineModel model;
  bool valid = false;            // the answer gives an outline
  bool cancelled = false;        // stopped by the control's flag
  double meanSquare = HUGE_VAL;  // of the distances of the points used, at the answer
  int iterations = 0, evaluations = 0, refused = 0;
  std::string stopReason;  // short key, such as "xtol"
  std::string stopText;    // what it means
};

FitOutcome Solve(const OutlineFamily& family, const FitRun& run, const std::vector<double>& start,
                 const MatchControl& control);

// The point in the design's frame and its nearest outline point.
struct PointFit {
  Point2 frame;  // the point moved into the design's frame (y keeps its side)
  NearestPoint nearest;
};

// Every point of `points` against the outline, in order.
std::vector<PointFit> FitPoints(const OutlineModel& model, const RigidMotion& motion,
                                const std::vector<Point2>& points);

// A residual far above any real one: a thousand times the points' spread and distance from 0.
double InvalidResidual(const std::vector<Point2>& points);
