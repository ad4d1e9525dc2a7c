// Gauss-Jordan elimination with row exchange on zero pivots only.
#include "geometry/linear_solver.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(LinearSolverTest, ExchangesRowsOnAZeroFirstPivot) {
  double m[] = {0, 1, 2, 1, 1, 3};
  ASSERT_EQ(SolveLinearSystem(2, m), 0);
  EXPECT_EQ(m[2], 1.0);
  EXPECT_EQ(m[5], 2.0);
  EXPECT_EQ(m[0], 1.0);
  EXPECT_EQ(m[4], 1.0);
}

TEST(LinearSolverTest, SingularSystemsFail) {
  double zeroColumn[] = {0, 1, 1, 5, 0, 2, 1, 6, 0, 3, 4, 7};
  EXPECT_EQ(SolveLinearSystem(3, zeroColumn), -1);
  double identicalRows[] = {1, 2, 3, 1, 2, 3};
  EXPECT_EQ(SolveLinearSystem(2, identicalRows), -1);
  double lastPivotOnly[] = {1, 1, 1, 2, 2, 5};
  EXPECT_EQ(SolveLinearSystem(2, lastPivotOnly), -1);
  double nanPivot[] = {std::nan(""), 1, 1};
  EXPECT_EQ(SolveLinearSystem(1, nanPivot), -1);
}

TEST(LinearSolverTest, SingleEquation) {
  double ok[] = {4, 2};
  ASSERT_EQ(SolveLinearSystem(1, ok), 0);
  EXPECT_EQ(ok[1], 0.5);
  double zero[] = {0, 2};
  EXPECT_EQ(SolveLinearSystem(1, zero), -1);
}

TEST(LinearSolverTest, TinyPivotIsUsedWithoutTolerance) {
  double m[] = {1e-300, 0, 1e-300, 0, 1, 3};
  ASSERT_EQ(SolveLinearSystem(2, m), 0);
  EXPECT_NEAR(m[2], 1.0, 1e-15);
  EXPECT_EQ(m[5], 3.0);
}

TEST(LinearSolverTest, SolvesAFourByFourSystem) {
  // x = (1, -2, 3, 0.5)
  double m[] = {2, 1, 0, 4, 2, 1, 3, 1, 0, -2, 0, 1, 4, 2, 11, 3, 0, 1, 1, 6.5};
  ASSERT_EQ(SolveLinearSystem(4, m), 0);
  const double x[] = {1, -2, 3, 0.5};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(m[i * 5 + 4], x[i], 1e-14) << i;
}

TEST(IsNonZeroTest, NotANumberCountsAsZero) {
  EXPECT_EQ(IsNonZero(0.0), 0);
  EXPECT_EQ(IsNonZero(-0.0), 0);
  EXPECT_EQ(IsNonZero(std::nan("")), 0);
  EXPECT_EQ(IsNonZero(1e-320), 1);
  EXPECT_EQ(IsNonZero(-INFINITY), 1);
}
