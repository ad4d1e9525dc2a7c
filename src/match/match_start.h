// Where the match starts: the points brought into the design's frame (alignment) and the eight
// values read off them.
#pragma once

#include <vector>

#include "match/match_fit.h"

// A first rigid motion: the body axis through the two extreme points along the principal axis,
// the neck end at x = 0 taken as the end nearer the narrower bout.
RigidMotion InitialAlignment(const std::vector<MatchPoint>& points);

void ApplyMotion(const RigidMotion& m, double x, double y, double* qx, double* qy);

// The length from the x extent, the bouts and the waist from the half-width's extremes, a3..a6 of a
// new design scaled to that length; the fixed values in place of the read ones.
DesignValues StartValues(const std::vector<MatchPoint>& framePoints, const MatchOptions& options,
                         bool aligned);

// The new design scaled to the length of the start values, the fixed values in place.
DesignValues FallbackStart(const DesignValues& start, const MatchOptions& options);
