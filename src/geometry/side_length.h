// Arc length of the window's last fit from t = 0 to t = 180 (FittedOutline::SideLength).
#pragma once

// step in degrees, 0 < step <= 180; every caller passes 1.
double SideLength(double step);
