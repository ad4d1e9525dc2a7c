// Side length: chords at a fixed angle step, the last one shortened to end at 180 degrees.
#include "side_length.h"

#include <cmath>

#include "outline.h"

double SideLength(double step) {
  if (!(step > 0.0)) return 0.0;
  double sum = 0.0;
  double p = 0.0;
  double c = step;
  do {
    const double dy = OutlineY(c) - OutlineY(p);
    const double dx = OutlineX(c) - OutlineX(p);
    sum += std::sqrt(dy * dy + dx * dx);
    if (c == p) break;  // a step too small to move the angle
    p = c;
    c = c + step;
    if (c > 180.0) c = 180.0;
  } while (p < 180.0);
  return sum;
}
