// Extremum search by bracket narrowing (three evaluations per halving, nothing cached).
#include "geometry/extremum.h"

double FindExtremum(AngleFunction f, double lo, double mid, double hi, int findMax) {
  for (;;) {
    const double width = hi - lo;
    const double m1 = (lo + mid) * 0.5;
    const double m2 = (mid + hi) * 0.5;
    const double f1 = f(m1);
    const double fm = f(mid);
    const double f2 = f(m2);
    const bool leftBetter = findMax ? f1 > fm : f1 < fm;
    const bool rightBetter = findMax ? f2 > fm : f2 < fm;
    if (leftBetter) {
      hi = mid;
      mid = m1;
    } else if (rightBetter) {
      lo = mid;
      mid = m2;
    } else {
      lo = m1;
      hi = m2;
    }
    if (!(hi - lo > 0.001)) return mid;
    // A bracket too wide for its magnitude stops halving; it would never reach the width.
    if (!(hi - lo < width)) return mid;
  }
}

void ScanExtrema(AngleFunction f, int maxCount, ExtremumRecord* out, double start, double end, double step) {
  if (maxCount < 1 || !(step > 0.0)) return;
  int n = 0;
  double t0 = start;
  double t1 = start + step;
  double t2 = t1 + step;
  double s0 = f(t0);
  double s1 = f(t1);
  double s2 = f(t2);
  while (t2 <= end) {
    int kind = -1;
    if (s0 > s1 && s2 > s1)
      kind = 0;
    else if (s0 < s1 && s2 < s1)
      kind = 1;
    if (kind >= 0) {
      out[n].angle = FindExtremum(f, t0, t1, t2, kind);
      out[n].kind = kind;
      ++n;
    }
    if (n >= maxCount) return;
    const double next = t2 + step;
    if (next == t2) return;  // the step vanishes against the angle: no further window exists
    t0 = t1;
    t1 = t2;
    t2 = next;
    s0 = s1;
    s1 = s2;
    s2 = f(t2);
  }
}
