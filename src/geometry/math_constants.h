// Constants of the arithmetic, defined once.
#pragma once

// pi as a double (3.14159265358979323846 rounds to this).
inline constexpr double kPi = 3.141592653589793;
