// What a point set must be before a design is matched to it.
#pragma once

#include <string>
#include <vector>

#include "match/match_points.h"

// Empty when the points can be used: at least `needed` of them, finite, not all on one line.
std::string CheckPoints(const std::vector<MatchPoint>& points, std::size_t needed);

// The points' principal axis (unit vector) and centroid; false when they do not span a plane.
bool PrincipalAxis(const std::vector<MatchPoint>& points, double* ux, double* uy, double* cx, double* cy);
