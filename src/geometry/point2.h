// The one 2-D point of the geometry and of everything drawn from it, with the few distances all of
// them measure.
#pragma once

struct Point2 {
  double x = 0.0;
  double y = 0.0;
};

double Distance(Point2 a, Point2 b);
// Distance from p to the closed segment [a, b] (to a itself when a and b coincide).
double DistanceToSegment(Point2 p, Point2 a, Point2 b);
bool IsFinite(Point2 p);
