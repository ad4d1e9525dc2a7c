// Fret and fingerboard arithmetic.
#include "fretboard.h"

#include <cmath>

double FretPosition(double n, int jointFret, double scaleLength) {
  const double j = static_cast<double>(jointFret);
  return (std::pow(2.0, -j / 12.0) - std::pow(2.0, -n / 12.0)) * scaleLength;
}

double FingerboardWidth(double d, int jointFret, double scaleLength, double nutWidth, double jointWidth) {
  const double f0 = FretPosition(0.0, jointFret, scaleLength);
  return nutWidth + (jointWidth - nutWidth) * (d - f0) / (-f0);
}
