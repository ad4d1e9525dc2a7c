// Sampling with FitShape and the geometry's own curve functions: the points are the outline as
// vesk draws it, independent of the matcher's own curve evaluation.
#include "match_samples.h"

#include <cmath>

#include "geometry/fit_shape.h"

void PrintTo(const TestDesign& d, std::ostream* os) {
  *os << d.name;
}

std::vector<TestDesign> TestDesigns() {
  constexpr double in = 2.54;
  return {
      {"NewDesignCm", {49, 18.5, 12, 14, 0, -0.25, 0, -0.5}},
      {"NewDesignIn", {49 / in, 18.5 / in, 12 / in, 14 / in, 0, -0.25 / in, 0, -0.5 / in}},
      {"UnusualCoefficientsCm", {50, 19, 11.5, 14.5, 0.3, -0.4, 0.1, -0.3}},
      {"UnusualCoefficientsIn",
       {50 / in, 19 / in, 11.5 / in, 14.5 / in, 0.3 / in, -0.4 / in, 0.1 / in, -0.3 / in}},
      {"ParlourCm", {46, 17, 11.5, 13, 0.1, -0.2, 0.05, -0.35}},
      {"JumboIn", {21, 8.5, 5.3, 6.4, -0.05, -0.1, 0.02, -0.2}},
  };
}

std::vector<MatchPoint> SampleOutline(const DesignValues& v, int n, bool bothSides) {
  const FittedOutline outline = FitOutline(DesignShape::FromArray(v));
  std::vector<MatchPoint> points;
  for (int i = 0; i < n; ++i) {
    const double t = 180.0 * i / (n - 1);
    points.push_back({outline.X(t), outline.Y(t), i + 1});
    if (bothSides && i > 0 && i < n - 1) points.push_back({outline.X(t), -outline.Y(t), i + 1});
  }
  return points;
}

double WorstRelativeError(const DesignValues& got, const DesignValues& want) {
  double worst = 0.0;
  for (int j = 0; j < 8; ++j) {
    const double scale = want[j] != 0.0 ? std::fabs(want[j]) : std::fabs(want[0]);
    worst = std::fmax(worst, std::fabs(got[j] - want[j]) / scale);
  }
  return worst;
}
