// Points taken from a fitted outline with the geometry's own curve, and the test designs they are
// taken from.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "geometry/point2.h"
#include "match/design_values.h"

struct TestDesign {
  std::string name;
  DesignValues values;
};
void PrintTo(const TestDesign& d, std::ostream* os);

// Designs in cm and in, ordinary and with unusual a3..a6; each fits and is a body.
std::vector<TestDesign> TestDesigns();

// n points at equal steps of t from 0 to 180 degrees; with bothSides, the mirror half too (ends once).
std::vector<Point2> SampleOutline(const DesignValues& v, int n, bool bothSides = false);

// Largest error of got against want: relative to each value, or to the length for a value of 0.
double WorstRelativeError(const DesignValues& got, const DesignValues& want);

// The points turned by `degrees` about the origin and shifted.
std::vector<Point2> Turned(std::vector<Point2> points, double degrees, Point2 shift);
