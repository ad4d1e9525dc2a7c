// Doubles as text that reads back as the same double, for every place that writes numbers out to be
// read again (JSON, the info report, template coordinates). Standard C++ only.
#pragma once

#include <string>

// The fewest significant digits that read back bit for bit, fixed or scientific (printf's exponent
// form), whichever is shorter: "0.1", "65", "123456", "1e+05", "1.5e-05", "12345678901234567000" (the
// shortest digits, then zeros). Negative zero keeps its sign ("-0"); not-a-number and the infinities
// are "nan", "inf" and "-inf".
std::string ShortestRoundTrip(double value);

// The double nearest to value's shortest decimal (as above) times 10^exponent: a change between
// millimetres and centimetres that adds no binary noise (64.77 cm is 647.7 mm, where 64.77 * 10 is
// 647.6999999999999). Values that are not finite, and zeros, are multiplied as they are.
double ScaledByPowerOfTen(double value, int exponent);
