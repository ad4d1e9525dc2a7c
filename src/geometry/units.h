// The inch, once: the factor between the two length units a design can be drawn in, and the
// millimetres a template's physical sizes are given in.
#pragma once

inline constexpr double kCmPerInch = 2.54;  // exact, by the definition of the inch
inline constexpr double kMmPerCm = 10.0;
// Rounds to the double nearest to 25.4.
inline constexpr double kMmPerInch = kCmPerInch * kMmPerCm;
