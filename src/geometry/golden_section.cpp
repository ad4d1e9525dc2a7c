// Golden-section search.
#include "geometry/golden_section.h"

double GoldenSectionMinimum(const std::function<double(double)>& f, double lo, double hi, int iterations,
                            double tolerance) {
  const double ratio = 0.6180339887498949;  // (sqrt(5) - 1) / 2
  double a = hi - ratio * (hi - lo), b = lo + ratio * (hi - lo);
  double fa = f(a), fb = f(b);
  for (int i = 0; i < iterations && hi - lo > tolerance; ++i) {
    if (fa < fb) {
      hi = b;
      b = a;
      fb = fa;
      a = hi - ratio * (hi - lo);
      fa = f(a);
    } else {
      lo = a;
      a = b;
      fa = fb;
      b = lo + ratio * (hi - lo);
      fb = f(b);
    }
  }
  return 0.5 * (lo + hi);
}
