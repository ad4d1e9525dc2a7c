// The shape fit: convergence on real designs, and each way it fails.
#include "geometry/fit_shape.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/outline.h"
#include "shape_state_fixture.h"

namespace {

struct Design {
  double length, lowerBout, waist, upperBout, a3, a4, a5, a6;
  int Fit() const { return FitShape(length, lowerBout, waist, upperBout, a3, a4, a5, a6); }
  Design Scaled(double f) const {
    return {length / f, lowerBout / f, waist / f, upperBout / f, a3 / f, a4 / f, a5 / f, a6 / f};
  }
};

constexpr Design kDefault{49, 18.5, 12, 14, 0, -0.25, 0, -0.5};

}  // namespace

using FitShapeTest = FreshShapeState;

TEST_F(FitShapeTest, DefaultDesignMeetsItsMeasurements) {
  ASSERT_EQ(kDefault.Fit(), 0);
  EXPECT_EQ(IsFitValid(), 1);
  EXPECT_LT(LastFitPassCount(), 53);
  EXPECT_NEAR(OutlineX(0.0), 49.0, 1e-12);
  const ExtremumRecord* e = g_shapeState.extrema;
  EXPECT_EQ(e[0].kind, 1);
  EXPECT_EQ(e[1].kind, 0);
  EXPECT_EQ(e[2].kind, 1);
  EXPECT_LT(e[0].angle, 90.0);
  EXPECT_GT(e[1].angle, 90.0);
  EXPECT_GT(e[2].angle, e[1].angle);
  // The converging pass solved the system at exactly these angles.
  EXPECT_NEAR(OutlineY(e[0].angle), 18.5, 1e-9);
  EXPECT_NEAR(OutlineY(e[1].angle), 12.0, 1e-9);
  EXPECT_NEAR(OutlineY(e[2].angle), 14.0, 1e-9);
  // And they are the outline's own extrema, to the 0.001-degree refinement.
  for (int i = 0; i < 3; ++i) {
    const double sign = e[i].kind == 1 ? 1.0 : -1.0;
    EXPECT_GE(sign * OutlineY(e[i].angle), sign * OutlineY(e[i].angle + 0.01)) << i;
    EXPECT_GE(sign * OutlineY(e[i].angle), sign * OutlineY(e[i].angle - 0.01)) << i;
  }
  EXPECT_EQ(g_shapeState.coeff[3], 0.0);
  EXPECT_EQ(g_shapeState.coeff[4], -0.25);
  EXPECT_EQ(g_shapeState.coeff[6], -0.5);
}

TEST_F(FitShapeTest, InchesGiveTheSameShapeAtTheSmallerSize) {
  ASSERT_EQ(kDefault.Fit(), 0);
  const ShapeState cm = g_shapeState;
  g_shapeState = ShapeState{};
  ASSERT_EQ(kDefault.Scaled(2.54).Fit(), 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(g_shapeState.extrema[i].angle, cm.extrema[i].angle, 1e-9) << i;
    EXPECT_NEAR(g_shapeState.coeff[i], cm.coeff[i] / 2.54, 1e-12) << "a" << i;
  }
  EXPECT_NEAR(g_shapeState.verticalScale, cm.verticalScale, 1e-12);
}

TEST_F(FitShapeTest, RepeatingAFitGivesTheSameOutlineAndPassCount) {
  ASSERT_EQ(kDefault.Fit(), 0);
  const ShapeState first = g_shapeState;
  const int passes = LastFitPassCount();
  ASSERT_EQ(kDefault.Fit(), 0);
  EXPECT_EQ(LastFitPassCount(), passes);
  for (int k = 0; k < 7; ++k) EXPECT_EQ(g_shapeState.coeff[k], first.coeff[k]) << "a" << k;
  EXPECT_EQ(g_shapeState.verticalScale, first.verticalScale);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(g_shapeState.extrema[i].angle, first.extrema[i].angle);
}

TEST_F(FitShapeTest, ZeroWidthsLeaveTheSystemSingular) {
  ASSERT_EQ(kDefault.Fit(), 0);
  EXPECT_EQ(FitShape(49, 0, 0, 0, 0.1, 0.2, 0.3, 0.4), -1);
  EXPECT_EQ(g_shapeState.errorText, "Matrix error");
  EXPECT_EQ(IsFitValid(), 0);
  EXPECT_EQ(LastFitPassCount(), 1);
  // a3..a6 are those of the failed call; the angles were reset for its first pass.
  EXPECT_EQ(g_shapeState.coeff[3], 0.1);
  EXPECT_EQ(g_shapeState.coeff[6], 0.4);
  EXPECT_EQ(g_shapeState.extrema[0].angle, 45.0);
  EXPECT_EQ(g_shapeState.extrema[1].angle, 90.0);
  EXPECT_EQ(g_shapeState.extrema[2].angle, 135.0);
}

TEST_F(FitShapeTest, NegativeWidthsRunOutOfPasses) {
  EXPECT_EQ(FitShape(49, -18.5, -12, -14, 0, -0.25, 0, -0.5), -1);
  EXPECT_EQ(g_shapeState.errorText, "Exceeded iteration limit");
  EXPECT_EQ(LastFitPassCount(), 53);
  EXPECT_EQ(IsFitValid(), 0);
}

TEST_F(FitShapeTest, SuccessDoesNotClearAnEarlierErrorText) {
  ASSERT_EQ(FitShape(49, 0, 0, 0, 0, 0, 0, 0), -1);
  ASSERT_EQ(kDefault.Fit(), 0);
  EXPECT_EQ(g_shapeState.errorText, "Matrix error");
  EXPECT_EQ(IsFitValid(), 1);
}

// Regression: the waist wider than both bouts makes two rows share one angle and the fit
// "converges" with a vertical scale of 0, an outline without finite points.
TEST_F(FitShapeTest, WaistWiderThanBothBoutsDoesNotConvergeToAZeroScale) {
  EXPECT_EQ(FitShape(49, 10, 20, 10, 0, -0.25, 0, -0.5), -1);
  EXPECT_EQ(IsFitValid(), 0);
  EXPECT_EQ(g_shapeState.errorText, "Matrix error");
}

TEST_F(FitShapeTest, NonFiniteInputsFailInsteadOfConvergingOnNaN) {
  const double nan = std::nan("");
  const double inf = INFINITY;
  const Design hostile[] = {{nan, 18.5, 12, 14, 0, -0.25, 0, -0.5},
                            {49, inf, 12, 14, 0, -0.25, 0, -0.5},
                            {49, 18.5, 12, 14, inf, -0.25, 0, -0.5},
                            {49, 18.5, nan, 14, 0, 0, 0, 0},
                            {1e308, 18.5, 12, 14, 0, -0.25, 0, -1e308}};
  for (const Design& d : hostile) {
    g_shapeState = ShapeState{};
    EXPECT_EQ(d.Fit(), -1) << d.length << " " << d.lowerBout << " " << d.a3;
    EXPECT_EQ(IsFitValid(), 0);
    EXPECT_FALSE(g_shapeState.errorText.empty());
  }
}
