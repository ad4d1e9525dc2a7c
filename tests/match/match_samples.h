// Points taken from a fitted outline with the geometry's own OutlineX and OutlineY, and the test
// designs they are taken from.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "match/design_values.h"
#include "match/match_points.h"

struct TestDesign {
  std::string name;
  DesignValues values;
};
void PrintTo(const TestDesign& d, std::ostream* os);

// Designs in cm and in, ordinary and with unusual a3..a6; each fits and is a body.
std::vector<TestDesign> TestDesigns();

// n points at equal steps of t from 0 to 180 degrees; with bothSides, the mirror half too (ends once).
std::vector<MatchPoint> SampleOutline(const DesignValues& v, int n, bool bothSides = false);

// Largest error of got against want: relative to each value, or to the length for a value of 0.
double WorstRelativeError(const DesignValues& got, const DesignValues& want);
