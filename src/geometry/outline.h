// The design window's outline: the curve of its last fit (g_shapeState), r(t) = a0 + a1 cos t + ...
// + a6 cos 6t, x(t) = r(t) cos t + r(180), y(t) = r(t) sin t / S, t in degrees.
#pragma once

double OutlineRadius(double t);
double OutlineX(double t);
double OutlineY(double t);
// OutlineX(t) and OutlineY(t) from one evaluation of the radius, equal to theirs bit for bit.
void OutlineXY(double t, double* x, double* y);
int IsFitValid();
// 1 when |(a - b) / (a + b)| < 1e-12; a quotient that is not a number (a = b = 0) counts as equal.
int RelativelyEqual(double a, double b);
