// The texts of the data overlay, formatted as C's printf does in the C locale ("%d", "%g"), so
// that a user's locale never turns the decimal point into a comma.
#pragma once

#include <QString>
#include <array>
#include <string>

// "%g": 6 significant digits, exponent form below 1e-4 and from 1e6, trailing zeros removed.
std::string FormatG(double value);

// "%d" of the scale truncated toward zero (saturating at the int range).
QString ScaleText(double scale);

// " length=%g", " lower bout=%g", " waist=%g", " upper bout=%g", " side length=%g".
std::array<QString, 5> DataLines(double length, double lowerBout, double waist, double upperBout,
                                 double sideLength);
