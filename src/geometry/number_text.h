// Doubles as text that reads back as the same double, for every place that writes numbers out to be
// read again (JSON, the info report, template coordinates). Standard C++ only.
#pragma once

#include <string>

// The fewest significant digits that read back bit for bit, fixed or scientific (printf's exponent
// form), whichever is shorter: "0.1", "65", "123456", "1e+05", "1.5e-05", "12345678901234567000" (the
// shortest digits, then zeros). Negative zero keeps its sign ("-0"); not-a-number and the infinities
// are "nan", "inf" and "-inf".
std::string ShortestRoundTrip(double value);
