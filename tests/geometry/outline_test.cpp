// The outline curve, its shape state at start-up and the relative equality of the fit.
#include "geometry/outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "shape_state_fixture.h"

using OutlineTest = FreshShapeState;

TEST_F(OutlineTest, StartsWithTheInitialRecordAndNoValidFit) {
  const ShapeState s;
  const double initial[7] = {6.86, 1.2, 3.07, 0, 0, 0, -0.18};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(s.coeff[k], initial[k]) << "a" << k;
  // One unit in the last place below the double nearest 10/13.
  EXPECT_EQ(s.verticalScale, 0.7692307692307692);
  EXPECT_EQ(std::nextafter(s.verticalScale, 1.0), 10.0 / 13.0);
  EXPECT_EQ(s.fitValid, 0);
  EXPECT_TRUE(s.errorText.empty());
  for (const ExtremumRecord& e : s.extrema) EXPECT_EQ(e.angle, 0.0);
  EXPECT_EQ(IsFitValid(), 0);
}

TEST(RelativelyEqualTest, ComparesTheRelativeDifferenceAgainstOneInATrillion) {
  EXPECT_EQ(RelativelyEqual(0.0, 0.0), 1);   // 0/0 is not a number and counts as equal
  EXPECT_EQ(RelativelyEqual(1.0, -1.0), 0);  // infinite quotient
  EXPECT_EQ(RelativelyEqual(1.0, 1.0 + 1e-13), 1);
  EXPECT_EQ(RelativelyEqual(1.0, 1.0 + 1e-11), 0);
  EXPECT_EQ(RelativelyEqual(-5.0, -5.0), 1);
  EXPECT_EQ(RelativelyEqual(0.7673657025736742, -0.7673657025736742), 0);
}

TEST_F(OutlineTest, EndsLieOnTheCentrelineWithTheNeckEndAtZero) {
  const std::initializer_list<double> designs[] = {{1.0},
                                                   {17.37, 3.46, 7.88, 0, -0.25, 0, -0.5},
                                                   {6.86, 1.2, 3.07, 0.3, -0.7, 1.1, -0.18},
                                                   {-3, 2, 9, -4, 5, 1, 2}};
  for (const auto& coeff : designs) {
    SetOutline(coeff, 0.77);
    const double scale = std::fabs(OutlineRadius(0.0)) + std::fabs(OutlineRadius(180.0));
    EXPECT_NEAR(OutlineX(180.0), 0.0, 1e-14 * scale);
    EXPECT_NEAR(OutlineY(0.0), 0.0, 1e-14 * scale);
    EXPECT_NEAR(OutlineY(180.0), 0.0, 1e-14 * scale);
    EXPECT_NEAR(OutlineX(0.0), OutlineRadius(0.0) + OutlineRadius(180.0), 1e-14 * scale);
  }
}

TEST_F(OutlineTest, SecondHalfMirrorsTheFirstInTheCentreline) {
  SetOutline({17.37, 3.46, 7.88, 0.2, -0.25, 0.1, -0.5}, 0.77);
  for (double t = 5.0; t < 180.0; t += 17.0) {
    EXPECT_NEAR(OutlineX(360.0 - t), OutlineX(t), 1e-12);
    EXPECT_NEAR(OutlineY(360.0 - t), -OutlineY(t), 1e-12);
  }
}

TEST_F(OutlineTest, CircleOfRadiusOneStretchedByTheVerticalScale) {
  SetOutline({1.0}, 0.5);
  EXPECT_DOUBLE_EQ(OutlineX(0.0), 2.0);
  EXPECT_DOUBLE_EQ(OutlineX(90.0), 1.0);
  EXPECT_DOUBLE_EQ(OutlineY(90.0), 2.0);  // y = r sin t / S
  EXPECT_DOUBLE_EQ(OutlineRadius(33.0), 1.0);
}

// The paint takes both coordinates from OutlineXY: they must be the two functions' values to the
// last bit (NaN where they give NaN), for fitted, odd and hostile outlines alike.
TEST_F(OutlineTest, OutlineXYIsOutlineXAndOutlineYBitForBit) {
  const double inf = INFINITY;
  const struct {
    const char* name;
    std::initializer_list<double> coeff;
    double verticalScale;
  } outlines[] = {
      {"initial record", {6.86, 1.2, 3.07, 0, 0, 0, -0.18}, 0.7692307692307692},
      {"all seven terms", {7.1, -1.3, 2.9, 0.41, -0.27, 0.13, -0.05}, 1.37},
      {"huge", {1e300, 1e299, -1e300, 0, 0, 0, 1e298}, 1e-5},
      {"tiny scale", {1, 0.5, 0.25}, 1e-300},
      {"zero scale", {1, 0.5, 0.25}, 0.0},
      {"infinite term", {1, inf, 0.25}, 1.0},
      {"NaN term", {1, 0.5, NAN}, 1.0},
  };
  auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (a != a && b != b); };
  for (const auto& o : outlines) {
    SetOutline(o.coeff, o.verticalScale);
    int checked = 0;
    for (double t = 0.0; t <= 360.0; t += 0.0137, ++checked) {
      double x = 0.0, y = 0.0;
      OutlineXY(t, &x, &y);
      ASSERT_TRUE(same(x, OutlineX(t))) << o.name << " x at t = " << t;
      ASSERT_TRUE(same(y, OutlineY(t))) << o.name << " y at t = " << t;
    }
    EXPECT_GT(checked, 26000);
  }
}
