// Arc length of the half outline from t = 0 to t = 180, as a polyline of chords of the given step.
#pragma once

// step in degrees, 0 < step <= 180; every caller passes 1.
double SideLength(double step);
