// Points from text: one "x,y" or "x y" a line, '#' comments, blank lines, and at most one header
// line before the first point.
#pragma once

#include <string_view>

#include "match/match_points.h"

PointReadResult ReadTextPoints(std::string_view text);
