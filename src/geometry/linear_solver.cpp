// The solver of the fitting system. Each factor is computed once from the current entries and
// every row update runs over all n + 1 columns.
#include "linear_solver.h"

#include <cstddef>
#include <utility>

int IsNonZero(double x) {
  return (x < 0.0 || x > 0.0) ? 1 : 0;
}

namespace {

void SubtractMultiple(double* target, const double* pivotRow, int columns, double factor) {
  for (int c = 0; c < columns; ++c) target[c] = target[c] - factor * pivotRow[c];
}

}  // namespace

int SolveLinearSystem(int n, double* matrix) {
  if (n < 1) return -1;
  const int columns = n + 1;
  auto row = [matrix, columns](int r) { return matrix + static_cast<std::ptrdiff_t>(r) * columns; };

  for (int p = 0; p <= n - 2; ++p) {
    if (!IsNonZero(row(p)[p])) {
      for (int r = p + 1; r < n; ++r) {
        if (IsNonZero(row(r)[p])) {
          for (int c = 0; c < columns; ++c) std::swap(row(p)[c], row(r)[c]);
          break;
        }
      }
    }
    if (!IsNonZero(row(p)[p])) return -1;
    for (int r = p + 1; r < n; ++r) {
      const double factor = row(r)[p] / row(p)[p];
      SubtractMultiple(row(r), row(p), columns, factor);
    }
  }
  if (!IsNonZero(row(n - 1)[n - 1])) return -1;

  for (int p = n - 1; p >= 1; --p) {
    for (int r = p - 1; r >= 0; --r) {
      const double factor = row(r)[p] / row(p)[p];
      SubtractMultiple(row(r), row(p), columns, factor);
    }
  }
  for (int p = 0; p < n; ++p) {
    const double g = 1.0 / row(p)[p];
    for (int c = 0; c < columns; ++c) row(p)[c] = row(p)[c] * g;
  }
  return 0;
}
