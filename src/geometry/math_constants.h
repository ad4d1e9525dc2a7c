// Mathematical constants the geometry shares.
#pragma once

inline constexpr double kPi = 3.141592653589793;
