// The match end to end: exact samples give their design back, aligned or not; noisy stations fit at
// least as well as the truth; another curve family still gets a best fit; fixed values hold.
#include "match/match_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/fit_shape.h"
#include "geometry/math_constants.h"
#include "geometry/shape_state.h"
#include "match/match_start.h"
#include "match/outline_model.h"
#include "match/point_checks.h"
#include "match_samples.h"

namespace {

MatchResult Match(const std::vector<Point2>& points, const MatchOptions& options) {
  const Result<MatchResult> r = MatchDesign(points, options);
  EXPECT_TRUE(r.ok()) << (r.ok() ? "" : r.error().message);
  return r.ok() ? *r : MatchResult{};
}

class RecoveryTest : public ::testing::TestWithParam<TestDesign> {};

TEST_P(RecoveryTest, ExactSamplesGiveTheDesignBack) {
  const DesignValues& want = GetParam().values;
  OutlineModel model;
  ASSERT_TRUE(FitOutlineModel(want, &model)) << "the test design itself must be a body";
  for (int n : {40, 200}) {
    const MatchResult r = Match(SampleOutline(want, n), MatchOptions{});
    EXPECT_LT(WorstRelativeError(r.values, want), 1e-8) << n << " points";
    EXPECT_LT(r.rms, 1e-9 * want[0]) << n << " points";
    EXPECT_EQ(r.points.size(), std::size_t(n));
    EXPECT_FALSE(r.wholeBody);
    EXPECT_TRUE(r.rejected.empty());
    EXPECT_TRUE(r.hasWaist);
  }
}

TEST_P(RecoveryTest, ARotatedShiftedCopyGivesTheSameDesign) {
  const DesignValues& want = GetParam().values;
  struct Motion {
    double degrees, dx, dy;
  };
  // The last turns the body half round, so the neck end lies at the larger x.
  for (const Motion m : {Motion{31.0, 3.0, -5.0}, Motion{-100.0, -20.0, 7.5}, Motion{180.0, 60.0, 1.0}}) {
    const double a = m.degrees * kPi / 180.0;
    MatchOptions options;
    options.align = true;
    const MatchResult r = Match(Turned(SampleOutline(want, 60, true), m.degrees, {m.dx, m.dy}), options);
    EXPECT_LT(WorstRelativeError(r.values, want), 1e-8) << m.degrees << " degrees";
    EXPECT_LT(r.rms, 1e-9 * want[0]);
    EXPECT_TRUE(r.wholeBody);
    // The fitted motion undoes the one applied: the neck end goes back to the origin.
    const double c = std::cos(r.motion.angle), s = std::sin(r.motion.angle);
    const double neckX = std::cos(a) * 0.0 + m.dx, neckY = std::sin(a) * 0.0 + m.dy;
    EXPECT_NEAR(c * neckX - s * neckY + r.motion.shift.x, 0.0, 1e-8 * want[0]);
    EXPECT_NEAR(s * neckX + c * neckY + r.motion.shift.y, 0.0, 1e-8 * want[0]);
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, RecoveryTest, ::testing::ValuesIn(TestDesigns()),
                         [](const ::testing::TestParamInfo<TestDesign>& info) { return info.param.name; });

double Rms(const std::vector<double>& v) {
  double sum = 0.0;
  for (double x : v) sum += x * x;
  return std::sqrt(sum / double(v.size()));
}

TEST(MatchNoiseTest, FortyNoisyStationsFitNoWorseThanTheNoiseAndNoneIsLeftOut) {
  const DesignValues truth = TestDesigns()[0].values;  // cm: 0.2 mm is 0.02
  MatchOptions keepAll;
  keepAll.keepAll = true;
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 0.02);
    std::vector<Point2> points = SampleOutline(truth, 40);
    std::vector<double> added;
    for (Point2& p : points) {
      added.push_back(noise(random));
      p.y += added.back();
    }
    const MatchResult r = Match(points, MatchOptions{});
    EXPECT_LE(r.rms, Rms(added)) << "seed " << seed;
    EXPECT_TRUE(r.rejected.empty()) << "seed " << seed << ": " << r.rejected.size() << " left out";
    EXPECT_NEAR(r.rms, Match(points, keepAll).rms, 1e-9 * r.rms)
        << "the plain least-squares optimum, seed " << seed;
    EXPECT_LT(WorstRelativeError({r.values[0], r.values[1], r.values[2], r.values[3], 1, 1, 1, 1},
                                 {truth[0], truth[1], truth[2], truth[3], 1, 1, 1, 1}),
              2e-3)
        << "the four measurements stay close, seed " << seed;
  }
}

// A body outline from circle arcs: the lower and upper bouts as circles joined across the waist.
std::vector<Point2> ArcBody() {
  std::vector<Point2> points;
  const double upperR = 13.0, lowerR = 17.5, upperX = 13.0, lowerX = 31.5;
  for (int i = 0; i <= 30; ++i) {  // upper bout, from the neck end round to its widest and past it
    const double a = kPi - i * (0.62 * kPi) / 30;
    points.push_back({upperX + upperR * std::cos(a), upperR * std::sin(a)});
  }
  for (int i = 0; i <= 40; ++i) {  // lower bout, from past its widest to the tail end
    const double a = 0.6 * kPi - i * (0.6 * kPi) / 40;
    points.push_back({lowerX + lowerR * std::cos(a), lowerR * std::sin(a)});
  }
  return points;
}

TEST(MatchOtherCurveTest, CircleArcsGetABestFitNotAFailure) {
  const std::vector<Point2> points = ArcBody();
  ASSERT_TRUE(CheckPoints(points, 8).ok());
  const MatchResult r = Match(points, MatchOptions{});
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
  const std::vector<Point2> points = SampleOutline(truth, 40);
  MatchOptions options;
  options.fixed[0] = 50.0;  // one centimetre longer than the points say
  options.fixed[4] = 0.0;
  const MatchResult r = Match(points, options);
  EXPECT_EQ(r.values[0], 50.0);
  EXPECT_EQ(r.values[4], 0.0);
  EXPECT_GT(r.rms, 1e-3) << "the outline cannot pass through points a centimetre short of it";

  MatchOptions all;
  for (int j = 0; j < 8; ++j) all.fixed[j] = truth[j];
  const MatchResult held = Match(points, all);
  EXPECT_EQ(held.values, truth);
  EXPECT_EQ(held.stopReason, "none");
  EXPECT_LT(held.rms, 1e-9 * truth[0]);
}

TEST(MatchRefusedTest, AWaistAHairBelowTheUpperBoutIsReachedAroundCandidatesThatAreNotBodies) {
  // From values read off the points, steps toward this design cross waists at or above the upper
  // bout; the solver must shorten them.
  const DesignValues truth = {49, 18.5, 13.99, 14, 0, -0.25, 0, -0.5};
  const std::vector<Point2> points = SampleOutline(truth, 60);
  const Result<MatchResult> from = MatchFrom(points, MatchOptions{}, ReadOffStart(points, {}, false), {});
  ASSERT_TRUE(from.ok()) << from.error().message;
  EXPECT_GT(from->refused, 0);
  const MatchResult r = Match(points, MatchOptions{});
  EXPECT_LT(WorstRelativeError(r.values, truth), 1e-8);
  EXPECT_LT(r.values[2], r.values[3]);
}

TEST(MatchStateTest, TheModelIsTheFitOfTheAnswerAndTheWindowsFitIsLeftAlone) {
  const DesignValues truth = TestDesigns()[2].values;
  const ShapeState before = g_shapeState;
  const MatchResult r = Match(SampleOutline(truth, 40), MatchOptions{});
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
  std::vector<Point2> points = SampleOutline(TestDesigns()[0].values, 41, true);
  for (Point2& p : points)
    if (p.y < 0.0) p.y -= 0.05;  // the -y side traced half a millimetre wide
  std::size_t above = 0, below = 0;
  for (const Point2& p : points) {
    if (p.y > 0.0) ++above;
    if (p.y < 0.0) ++below;
  }
  const MatchResult r = Match(points, MatchOptions{});
  ASSERT_TRUE(r.wholeBody);
  EXPECT_EQ(r.positiveSide.count, above);
  EXPECT_EQ(r.negativeSide.count, below);
  EXPECT_EQ(below, 39u);
  EXPECT_NEAR(r.positiveSide.rms, 0.025, 0.01);
  EXPECT_NEAR(r.negativeSide.rms, 0.025, 0.01);
  double positiveMean = 0.0;
  for (const PointMatch& p : r.points)
    if (p.point.y > 0.0) positiveMean += p.distance / double(above);
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
