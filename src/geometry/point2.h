// The one 2-D point of the program: model coordinates (x along the body axis from the neck end, y
// across it), a template's units, a picture's pixels, or a derivative's components.
#pragma once

struct Point2 {
  double x = 0.0;
  double y = 0.0;
};

double Distance(Point2 a, Point2 b);
// Distance from p to the closed segment [a, b] (to a itself when a and b coincide).
double DistanceToSegment(Point2 p, Point2 a, Point2 b);
bool IsFinite(Point2 p);
