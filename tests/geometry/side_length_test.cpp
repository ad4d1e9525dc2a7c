// Side length as a chord polyline over the half outline.
#include "geometry/side_length.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/fit_shape.h"
#include "geometry/outline.h"
#include "shape_state_fixture.h"

using SideLengthTest = FreshShapeState;

namespace {
double SinDeg(double d) {
  return std::sin(d * 3.141592653589793 / 180.0);
}
}  // namespace

TEST_F(SideLengthTest, HalfCircleOfRadiusOne) {
  SetOutline({1.0}, 1.0);
  EXPECT_NEAR(SideLength(1.0), 360.0 * SinDeg(0.5), 1e-12);
  EXPECT_LT(SideLength(1.0), M_PI);
  // 25 chords of 7 degrees, then one of 5 from 175 to 180.
  EXPECT_NEAR(SideLength(7.0), 50.0 * SinDeg(3.5) + 2.0 * SinDeg(2.5), 1e-12);
}

TEST_F(SideLengthTest, SingleChordIsTheBodyLength) {
  ASSERT_EQ(FitShape(49, 18.5, 12, 14, 0, -0.25, 0, -0.5), 0);
  EXPECT_NEAR(SideLength(180.0), OutlineX(0.0), 1e-12);
  EXPECT_GT(SideLength(1.0), 49.0);
}

TEST_F(SideLengthTest, FinerStepsApproachTheArcFromBelow) {
  ASSERT_EQ(FitShape(49, 18.5, 12, 14, 0, -0.25, 0, -0.5), 0);
  EXPECT_LT(SideLength(5.0), SideLength(1.0));
  EXPECT_LT(SideLength(1.0), SideLength(0.25));
}

TEST_F(SideLengthTest, StepThatCannotAdvanceReturnsAtOnce) {
  SetOutline({1.0}, 1.0);
  EXPECT_EQ(SideLength(0.0), 0.0);
  EXPECT_EQ(SideLength(-1.0), 0.0);
  EXPECT_EQ(SideLength(std::nan("")), 0.0);
}
