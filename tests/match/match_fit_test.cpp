// The match end to end: exact samples give their design back, aligned or not; noisy stations fit at
// least as well as the truth; another curve family still gets a best fit; fixed values hold.
#include "match/match_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/fit_shape.h"
#include "geometry/shape_state.h"
#include "match/outline_model.h"
#include "match/point_checks.h"
#include "match_samples.h"

namespace {

constexpr double kPi = 3.141592653589793;

class RecoveryTest : public ::testing::TestWithParam<TestDesign> {};

TEST_P(RecoveryTest, ExactSamplesGiveTheDesignBack) {
  const DesignValues& want = GetParam().values;
  OutlineModel model;
  ASSERT_TRUE(FitOutlineModel(want, &model)) << "the test design itself must be a body";
  for (int n : {40, 200}) {
    const MatchResult r = MatchDesign(SampleOutline(want, n), MatchOptions{});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_LT(WorstRelativeError(r.values, want), 1e-8) << n << " points";
    EXPECT_LT(r.rms, 1e-9 * want[0]) << n << " points";
    EXPECT_EQ(r.points.size(), std::size_t(n));
    EXPECT_FALSE(r.wholeBody);
  }
}

TEST_P(RecoveryTest, ARotatedShiftedCopyGivesTheSameDesign) {
  const DesignValues& want = GetParam().values;
  struct Motion {
    double degrees, dx, dy;
  };
  // The last turns the body half round, so the neck end lies at the larger x.
  for (const Motion m : {Motion{31.0, 3.0, -5.0}, Motion{-100.0, -20.0, 7.5}, Motion{180.0, 60.0, 1.0}}) {
    std::vector<MatchPoint> points = SampleOutline(want, 60, true);
    const double a = m.degrees * kPi / 180.0;
    for (MatchPoint& p : points) {
      const double x = p.x, y = p.y;
      p.x = std::cos(a) * x - std::sin(a) * y + m.dx;
      p.y = std::sin(a) * x + std::cos(a) * y + m.dy;
    }
    MatchOptions options;
    options.align = true;
    const MatchResult r = MatchDesign(points, options);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_LT(WorstRelativeError(r.values, want), 1e-8) << m.degrees << " degrees";
    EXPECT_LT(r.rms, 1e-9 * want[0]);
    EXPECT_TRUE(r.wholeBody);
    // The fitted motion undoes the one applied: the neck end goes back to the origin.
    const double c = std::cos(r.motion.angle), s = std::sin(r.motion.angle);
    const double neckX = std::cos(a) * 0.0 + m.dx, neckY = std::sin(a) * 0.0 + m.dy;
    EXPECT_NEAR(c * neckX - s * neckY + r.motion.shiftX, 0.0, 1e-8 * want[0]);
    EXPECT_NEAR(s * neckX + c * neckY + r.motion.shiftY, 0.0, 1e-8 * want[0]);
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, RecoveryTest, ::testing::ValuesIn(TestDesigns()),
                         [](const ::testing::TestParamInfo<TestDesign>& info) { return info.param.name; });

double Rms(const std::vector<double>& v) {
  double sum = 0.0;
  for (double x : v) sum += x * x;
  return std::sqrt(sum / double(v.size()));
}

TEST(MatchNoiseTest, FortyNoisyStationsFitNoWorseThanTheNoise) {
  const DesignValues truth = TestDesigns()[0].values;  // cm: 0.2 mm is 0.02
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 0.02);
    std::vector<MatchPoint> points = SampleOutline(truth, 40);
    std::vector<double> added;
    for (MatchPoint& p : points) {
      added.push_back(noise(random));
      p.y += added.back();
    }
    const MatchResult r = MatchDesign(points, MatchOptions{});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_LE(r.rms, Rms(added)) << "seed " << seed;
    EXPECT_LT(WorstRelativeError({r.values[0], r.values[1], r.values[2], r.values[3], 1, 1, 1, 1},
                                 {truth[0], truth[1], truth[2], truth[3], 1, 1, 1, 1}),
              2e-3)
        << "the four measurements stay close, seed " << seed;
  }
}

// A body outline from circle arcs: the lower and upper bouts as circles joined across the waist.
std::vector<MatchPoint> ArcBody() {
  std::vector<MatchPoint> points;
  const double upperR = 13.0, lowerR = 17.5, upperX = 13.0, lowerX = 31.5;
  for (int i = 0; i <= 30; ++i) {  // upper bout, from the neck end round to its widest and past it
    const double a = kPi - i * (0.62 * kPi) / 30;
    points.push_back({upperX + upperR * std::cos(a), upperR * std::sin(a), 0});
  }
  for (int i = 0; i <= 40; ++i) {  // lower bout, from past its widest to the tail end
    const double a = 0.6 * kPi - i * (0.6 * kPi) / 40;
    points.push_back({lowerX + lowerR * std::cos(a), lowerR * std::sin(a), 0});
  }
  return points;
}

TEST(MatchOtherCurveTest, CircleArcsGetABestFitNotAFailure) {
  const std::vector<MatchPoint> points = ArcBody();
  ASSERT_EQ(CheckPoints(points, 8), "");
  const MatchResult r = MatchDesign(points, MatchOptions{});
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_GT(r.rms, 0.0);
  EXPECT_LT(r.rms, 0.5) << "a body-like curve is matched to within a few millimetres";
  EXPECT_NEAR(r.values[0], 49.0, 0.5);
  EXPECT_LT(r.values[2], r.values[1]);
  EXPECT_LT(r.values[2], r.values[3]);
  EXPECT_GE(r.maxDistance, r.rms);
  EXPECT_EQ(std::fabs(r.points[r.maxIndex].distance), r.maxDistance);
}

TEST(MatchFixedTest, AFixedValueIsHeldAndTheRestFitAroundIt) {
  const DesignValues truth = TestDesigns()[0].values;
  const std::vector<MatchPoint> points = SampleOutline(truth, 40);
  MatchOptions options;
  options.fixed[0] = 50.0;  // one centimetre longer than the points say
  options.fixed[4] = 0.0;
  const MatchResult r = MatchDesign(points, options);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.values[0], 50.0);
  EXPECT_EQ(r.values[4], 0.0);
  EXPECT_GT(r.rms, 1e-3) << "the outline cannot pass through points a centimetre short of it";

  MatchOptions all;
  for (int j = 0; j < 8; ++j) all.fixed[j] = truth[j];
  const MatchResult held = MatchDesign(points, all);
  ASSERT_TRUE(held.ok()) << held.error;
  EXPECT_EQ(held.values, truth);
  EXPECT_EQ(held.stopReason, "none");
  EXPECT_LT(held.rms, 1e-9 * truth[0]);
}

TEST(MatchRefusedTest, AWaistAHairBelowTheUpperBoutIsReachedAroundCandidatesThatAreNotBodies) {
  // Steps toward this design cross waists at or above the upper bout; the solver must shorten them.
  const DesignValues truth = {49, 18.5, 13.99, 14, 0, -0.25, 0, -0.5};
  const MatchResult r = MatchDesign(SampleOutline(truth, 60), MatchOptions{});
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_GT(r.refused, 0);
  EXPECT_LT(WorstRelativeError(r.values, truth), 1e-8);
  EXPECT_LT(r.values[2], r.values[3]);
}

TEST(MatchStateTest, TheModelIsTheFitOfTheAnswerAndTheWindowsFitIsLeftAlone) {
  const DesignValues truth = TestDesigns()[2].values;
  const ShapeState before = g_shapeState;
  const MatchResult r = MatchDesign(SampleOutline(truth, 40), MatchOptions{});
  ASSERT_TRUE(r.ok()) << r.error;
  const FittedOutline fit = FitOutline(DesignShape::FromArray(r.values));
  ASSERT_TRUE(fit.Valid());
  for (int k = 0; k < 7; ++k) EXPECT_EQ(fit.coeff[k], r.model.a[k]) << "a" << k;
  EXPECT_EQ(fit.verticalScale, r.model.scale);
  EXPECT_EQ(fit.coeff[3], r.values[4]);
  EXPECT_NEAR(fit.X(0.0), r.values[0], 1e-12 * r.values[0]);
  for (int k = 0; k < 7; ++k) EXPECT_EQ(g_shapeState.coeff[k], before.coeff[k]) << "a" << k;
  EXPECT_EQ(g_shapeState.fitValid, before.fitValid);
}

TEST(MatchSidesTest, AWholeBodyTraceReportsEachSide) {
  std::vector<MatchPoint> points = SampleOutline(TestDesigns()[0].values, 41, true);
  for (MatchPoint& p : points)
    if (p.y < 0.0) p.y -= 0.05;  // the -y side traced half a millimetre wide
  std::size_t above = 0, below = 0;
  for (const MatchPoint& p : points) {
    if (p.y > 0.0) ++above;
    if (p.y < 0.0) ++below;
  }
  const MatchResult r = MatchDesign(points, MatchOptions{});
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_TRUE(r.wholeBody);
  EXPECT_EQ(r.positiveSide.count, above);
  EXPECT_EQ(r.negativeSide.count, below);
  EXPECT_EQ(below, 39u);
  EXPECT_NEAR(r.positiveSide.rms, 0.025, 0.01);
  EXPECT_NEAR(r.negativeSide.rms, 0.025, 0.01);
  double positiveMean = 0.0;
  for (const PointMatch& p : r.points)
    if (p.y > 0.0) positiveMean += p.distance / double(above);
  EXPECT_LT(positiveMean, -0.015) << "the +y side lies inside the compromise outline";
}

TEST(MatchPointsNeededTest, OnePointPerFreeValue) {
  MatchOptions options;
  EXPECT_EQ(PointsNeeded(options), 8u);
  options.align = true;
  EXPECT_EQ(PointsNeeded(options), 11u);
  options.fixed[0] = 49.0;
  options.fixed[1] = 18.5;
  EXPECT_EQ(PointsNeeded(options), 9u);
  options.align = false;
  EXPECT_EQ(PointsNeeded(options), 8u);
}

}  // namespace
