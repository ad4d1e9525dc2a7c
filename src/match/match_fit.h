// Matching a design to points: a Levenberg-Marquardt least-squares fit (Eigen's, MINPACK's
// algorithm) of the eight values, and with alignment of a rigid motion of the points, minimising
// the squared distances from the points to the nearest point of the fitted half outline.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "match/design_values.h"
#include "match/match_points.h"
#include "match/outline_model.h"

struct MatchOptions {
  std::array<std::optional<double>, 8> fixed;  // values held at what is given
  bool align = false;                          // fit an angle and two shifts too
};

// A point's place in the design's frame: R(angle) p + shift.
struct RigidMotion {
  double angle = 0.0;  // radians
  double shiftX = 0.0, shiftY = 0.0;
};

struct PointMatch {
  double x = 0.0, y = 0.0;          // the point in the design's frame (y keeps its side)
  double footX = 0.0, footY = 0.0;  // its nearest outline point, on the same side
  double distance = 0.0;            // signed: positive outside the outline
};

struct SideFit {
  std::size_t count = 0;
  double rms = 0.0;
};

struct MatchResult {
  std::string error;  // one line when no design fits; empty on success
  DesignValues start{};
  DesignValues values{};
  RigidMotion motion;
  OutlineModel model;
  std::vector<PointMatch> points;
  double rms = 0.0;
  double maxDistance = 0.0;  // largest |distance|
  std::size_t maxIndex = 0;  // which point has it (0-based)
  bool wholeBody = false;    // points on both sides of the centreline
  SideFit positiveSide, negativeSide;
  int iterations = 0;
  int evaluations = 0;
  int refused = 0;         // evaluations whose candidate was not a body (stepped around)
  std::string stopReason;  // short key, such as "xtol"
  std::string stopText;    // what it means
  bool ok() const { return error.empty(); }
};

// Points must already have passed CheckPoints. Leaves the shape state holding the fit of the
// returned values (or, on failure, of whatever was tried last).
MatchResult MatchDesign(const std::vector<MatchPoint>& points, const MatchOptions& options);

// Fewest points the fit needs: one per free value, never fewer than kMinPoints.
std::size_t PointsNeeded(const MatchOptions& options);
