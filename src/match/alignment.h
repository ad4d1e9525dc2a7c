// Where an aligned match may start: motions that bring the points into the design's frame (the
// body's axis along x, the neck end at x = 0). The body's axis may be the points' principal axis
// or, for a body nearly as wide as it is long, the one across it; either end may be the neck.
#pragma once

#include <vector>

#include "match/rigid_motion.h"

// Along each principal axis, each end at x = 0, the axis through the two points farthest apart
// along it (on a traced outline, the ends of the centreline); then axes every 15 degrees, each with
// the centreline at the points' median across it or near either edge (the neck end left to the fit).
std::vector<RigidMotion> AlignmentHypotheses(const std::vector<Point2>& points);

// How many of the hypotheses come first and put the neck end at x = 0.
inline constexpr std::size_t kChordHypotheses = 4;

// The points moved by the motion.
std::vector<Point2> Moved(const RigidMotion& motion, const std::vector<Point2>& points);
