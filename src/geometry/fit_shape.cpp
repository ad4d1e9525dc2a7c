// The fitting iteration: build the 4 x 5 system from the current bout and waist angles, solve it,
// locate the new angles, until a pass reproduces the previous pass's unknowns (at most 53 passes).
#include "fit_shape.h"

#include <cmath>

#include "extremum.h"
#include "linear_solver.h"
#include "outline.h"
#include "shape_state.h"

namespace {

constexpr double DEG = 0.017453292519943295;
constexpr int kLastPass = 52;
int g_lastPassCount = 0;

void FillBoutRow(double* row, double theta, double width) {
  const double* a = g_shapeState.coeff;
  row[0] = 1.0;
  row[1] = std::cos(theta * DEG);
  row[2] = std::cos((2.0 * theta) * DEG);
  row[3] = -width / std::sin(theta * DEG);
  double rhs = 0.0;
  for (int k = 3; k <= 6; ++k) rhs = rhs - std::cos((k * theta) * DEG) * a[k];
  row[4] = rhs;
}

void FillSystem(double length, const double widths[3]) {
  for (int i = 0; i < 3; ++i)
    FillBoutRow(g_shapeState.fitSystem[i], g_shapeState.extrema[i].angle, widths[i]);
  double* last = g_shapeState.fitSystem[3];
  const double* a = g_shapeState.coeff;
  last[0] = 2.0;
  last[1] = 0.0;
  last[2] = 2.0;
  last[3] = 0.0;
  last[4] = length - (a[4] + a[6]) * 2.0;
}

// Compares the pass's unknowns with the stored ones, then stores them.
int TakeUnknowns() {
  const double u3 = g_shapeState.fitSystem[3][4];
  int converged = RelativelyEqual(g_shapeState.verticalScale, u3);
  for (int i = 0; i < 3; ++i) {
    const double u = g_shapeState.fitSystem[i][4];
    if (converged) converged = RelativelyEqual(g_shapeState.coeff[i], u);
    g_shapeState.coeff[i] = u;
  }
  g_shapeState.verticalScale = std::fabs(u3);
  return converged;
}

// A "converged" outline with a non-finite coefficient or a vertical scale of 0 has no finite
// points, so it counts as a failed solve.
bool IsDrawableSolution() {
  for (int i = 0; i < 3; ++i)
    if (!std::isfinite(g_shapeState.coeff[i])) return false;
  const double s = g_shapeState.verticalScale;
  return std::isfinite(s) && s != 0.0;
}

int Fail(const char* text, int passes) {
  g_shapeState.errorText = text;
  g_shapeState.fitValid = 0;
  g_lastPassCount = passes;
  return -1;
}

}  // namespace

int LastFitPassCount() {
  return g_lastPassCount;
}

int FitShape(double length, double lowerBout, double waist, double upperBout, double a3, double a4, double a5,
             double a6) {
  ShapeState& s = g_shapeState;
  s.coeff[3] = a3;
  s.coeff[4] = a4;
  s.coeff[5] = a5;
  s.coeff[6] = a6;
  s.extrema[0] = {45.0, 1};
  s.extrema[1] = {90.0, 0};
  s.extrema[2] = {135.0, 1};
  const double widths[3] = {lowerBout, waist, upperBout};

  int converged = 0;
  for (int pass = 0;; ++pass) {
    if (converged) {
      if (!IsDrawableSolution()) return Fail(kMatrixError, pass);
      s.fitValid = 1;
      g_lastPassCount = pass;
      return 0;
    }
    if (pass > kLastPass) return Fail(kIterationLimitError, pass);
    FillSystem(length, widths);
    if (SolveLinearSystem(4, &s.fitSystem[0][0]) != 0) return Fail(kMatrixError, pass + 1);
    converged = TakeUnknowns();
    ScanExtrema(OutlineY, 8, s.extrema, 5.0, 175.0, 5.0);
  }
}
