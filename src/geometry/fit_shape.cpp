// The fitting iteration: build the 4 x 5 system from the current bout and waist angles, solve it,
// locate the new angles, until a pass reproduces the previous pass's unknowns (at most 53 passes).
#include "geometry/fit_shape.h"

#include <cmath>

#include "geometry/extremum.h"
#include "geometry/linear_solver.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"

namespace {

constexpr double DEG = 0.017453292519943295;
constexpr int kLastPass = 52;

void FillBoutRow(const double* a, double* row, double theta, double width) {
  row[0] = 1.0;
  row[1] = std::cos(theta * DEG);
  row[2] = std::cos((2.0 * theta) * DEG);
  row[3] = -width / std::sin(theta * DEG);
  double rhs = 0.0;
  for (int k = 3; k <= 6; ++k) rhs = rhs - std::cos((k * theta) * DEG) * a[k];
  row[4] = rhs;
}

void FillSystem(FittedOutline& s, double length, const double widths[3]) {
  for (int i = 0; i < 3; ++i) FillBoutRow(s.coeff, s.fitSystem[i], s.extrema[i].angle, widths[i]);
  double* last = s.fitSystem[3];
  const double* a = s.coeff;
  last[0] = 2.0;
  last[1] = 0.0;
  last[2] = 2.0;
  last[3] = 0.0;
  last[4] = length - (a[4] + a[6]) * 2.0;
}

// Compares the pass's unknowns with the stored ones, then stores them.
int TakeUnknowns(FittedOutline& s) {
  const double u3 = s.fitSystem[3][4];
  int converged = RelativelyEqual(s.verticalScale, u3);
  for (int i = 0; i < 3; ++i) {
    const double u = s.fitSystem[i][4];
    if (converged) converged = RelativelyEqual(s.coeff[i], u);
    s.coeff[i] = u;
  }
  s.verticalScale = std::fabs(u3);
  return converged;
}

// A "converged" outline with a non-finite coefficient or a vertical scale of 0 has no finite
// points, so it counts as a failed solve.
bool IsDrawableSolution(const FittedOutline& s) {
  for (int i = 0; i < 3; ++i)
    if (!std::isfinite(s.coeff[i])) return false;
  return std::isfinite(s.verticalScale) && s.verticalScale != 0.0;
}

int Fail(FittedOutline& s, const char* text, int passes) {
  s.errorText = text;
  s.fitValid = 0;
  s.passes = passes;
  return -1;
}

int FitInto(FittedOutline& s, const DesignShape& shape) {
  s.coeff[3] = shape.a3;
  s.coeff[4] = shape.a4;
  s.coeff[5] = shape.a5;
  s.coeff[6] = shape.a6;
  s.extrema[0] = {45.0, 1};
  s.extrema[1] = {90.0, 0};
  s.extrema[2] = {135.0, 1};
  const double widths[3] = {shape.lowerBout, shape.waist, shape.upperBout};
  const auto halfWidth = [&s](double t) { return s.Y(t); };

  int converged = 0;
  for (int pass = 0;; ++pass) {
    if (converged) {
      if (!IsDrawableSolution(s)) return Fail(s, kMatrixError, pass);
      s.fitValid = 1;
      s.passes = pass;
      return 0;
    }
    if (pass > kLastPass) return Fail(s, kIterationLimitError, pass);
    FillSystem(s, shape.length, widths);
    if (SolveLinearSystem(4, &s.fitSystem[0][0]) != 0) return Fail(s, kMatrixError, pass + 1);
    converged = TakeUnknowns(s);
    ScanExtrema(halfWidth, 8, s.extrema, 5.0, 175.0, 5.0);
  }
}

}  // namespace

FittedOutline FitOutline(const DesignShape& shape, FittedOutline start) {
  FitInto(start, shape);
  return start;
}

int LastFitPassCount() {
  return g_shapeState.passes;
}

int FitShape(double length, double lowerBout, double waist, double upperBout, double a3, double a4, double a5,
             double a6) {
  return FitInto(g_shapeState, {length, lowerBout, waist, upperBout, a3, a4, a5, a6});
}
