// Matching a design to points: the eight values (and with alignment a rigid motion of the points)
// that bring the outline nearest the points in the least-squares sense, searched from several
// starts so that the answer is the best the outline family reaches, with stray points left out.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "geometry/result.h"
#include "match/match_control.h"
#include "match/outline_family.h"
#include "match/rigid_motion.h"

struct MatchOptions {
  FixedValues fixed;     // values held at what is given
  bool align = false;    // fit an angle and two shifts too
  bool keepAll = false;  // leave no point out, however far off
  MatchControl control;
  // A longer trace is sampled evenly down to this many points for the starts; only the best start
  // is then fitted on every point.
  std::size_t samplePoints = 1000;
};

struct PointMatch {
  Point2 point;           // in the design's frame (y keeps its side)
  Point2 foot;            // its nearest outline point, on the same side
  double distance = 0.0;  // signed: positive outside the outline
  bool rejected = false;  // left out as a stray
};

struct SideFit {
  std::size_t count = 0;
  double rms = 0.0;
};

struct MatchResult {
  DesignValues start{};  // where the winning run started
  DesignValues values{};
  RigidMotion motion;
  OutlineModel model;
  std::vector<PointMatch> points;     // every point, in input order
  std::vector<std::size_t> rejected;  // the points left out (0-based), in input order
  // Over the points kept:
  double rms = 0.0;
  double maxDistance = 0.0;  // largest |distance|
  std::size_t maxIndex = 0;  // which point has it (0-based)
  bool wholeBody = false;    // points on both sides of the centreline
  SideFit positiveSide, negativeSide;
  bool hasWaist = true;    // false: the best outline is the family's limit, a waist level with a bout
  int starts = 0;          // solver starts tried
  int iterations = 0;      // over every run
  int evaluations = 0;     // over every run
  int refused = 0;         // evaluations of the winning run whose candidate was not a body
  std::string stopReason;  // how the winning run ended: a short key, such as "xtol"
  std::string stopText;    // what it means
};

// Points must already have passed CheckPoints. An Error when no design fits, or when cancelled.
Result<MatchResult> MatchDesign(const std::vector<Point2>& points, const MatchOptions& options);

// One run from the given start and no other (with a limit, on the family's limit): for checks
// that search more widely than MatchDesign does.
Result<MatchResult> MatchFrom(const std::vector<Point2>& points, const MatchOptions& options,
                              const DesignValues& start, const RigidMotion& motion,
                              std::optional<WaistLimit> limit = std::nullopt);

// Fewest points the fit needs: one per free value, never fewer than kMinPoints.
std::size_t PointsNeeded(const MatchOptions& options);
