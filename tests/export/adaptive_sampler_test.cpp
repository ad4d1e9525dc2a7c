// The adaptive sampler: every chord within tolerance of the curve, checked against a dense sampling
// done here, with its own distance formula; breaks kept as vertices; failure on curves it cannot meet.
#include "export/adaptive_sampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "export/outline_polyline.h"
#include "geometry/fit_shape.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"

namespace {

constexpr double kPi = 3.141592653589793;

double PointToChord(Point2 p, Point2 a, Point2 b) {
  const double vx = b.x - a.x, vy = b.y - a.y;
  const double len2 = vx * vx + vy * vy;
  double s = len2 > 0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / len2 : 0.0;
  s = std::max(0.0, std::min(1.0, s));
  return std::sqrt(std::pow(p.x - (a.x + s * vx), 2) + std::pow(p.y - (a.y + s * vy), 2));
}

// The largest distance from the curve to the chord it lies under, over `dense` points per chord.
double WorstChordError(const std::function<Point2(double)>& curve, const std::vector<CurveSample>& samples,
                       int dense = 200) {
  double worst = 0.0;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    const CurveSample &a = samples[i - 1], &b = samples[i];
    for (int k = 1; k < dense; ++k)
      worst = std::max(worst, PointToChord(curve(a.t + (b.t - a.t) * k / dense), a.point, b.point));
  }
  return worst;
}

Point2 Circle1000(double deg) {
  return {1000.0 * std::cos(deg * kPi / 180), 1000.0 * std::sin(deg * kPi / 180)};
}

class FittedDefault : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(FitShape(49.0, 18.5, 12.0, 14.0, 0.0, -0.25, 0.0, -0.5), 0); }
};

}  // namespace

TEST(AdaptiveSampler, LargeCircleStaysWithinToleranceWithoutOversampling) {
  const double tol = 0.01;
  const auto samples = SampleCurve(Circle1000, {0.0, 360.0}, tol);
  ASSERT_TRUE(samples);
  EXPECT_LE(WorstChordError(Circle1000, *samples), tol);
  // A chord of a circle of radius R spans 2 acos(1 - tol / R); the polyline needs at least that many.
  const double fewest = 360.0 / (2.0 * std::acos(1.0 - tol / 1000.0) * 180.0 / kPi);
  EXPECT_GE(samples->size(), fewest);
  EXPECT_LE(samples->size(), 2.0 * fewest + 1.0);
}

TEST(AdaptiveSampler, WigglesInsideOneFirstPieceAreFollowed) {
  const auto wiggle = [](double t) { return Point2{t, std::sin(40.0 * t)}; };
  SamplerLimits limits;
  limits.initialStep = 1.0;  // the whole of [0, 1], about six periods, as one first piece
  const auto samples = SampleCurve(wiggle, {0.0, 1.0}, 1e-4, limits);
  ASSERT_TRUE(samples);
  EXPECT_LE(WorstChordError(wiggle, *samples, 400), 1e-4);
}

TEST(AdaptiveSampler, BreaksAndEndsAreVerticesInOrder) {
  const auto samples = SampleCurve(Circle1000, {0.0, 33.3, 90.0}, 0.5);
  ASSERT_TRUE(samples);
  EXPECT_EQ(samples->front().t, 0.0);
  EXPECT_EQ(samples->back().t, 90.0);
  EXPECT_TRUE(
      std::any_of(samples->begin(), samples->end(), [](const CurveSample& s) { return s.t == 33.3; }));
  EXPECT_TRUE(std::is_sorted(samples->begin(), samples->end(),
                             [](const CurveSample& a, const CurveSample& b) { return a.t < b.t; }));
}

TEST(AdaptiveSampler, RefusesCurvesItCannotMeet) {
  const auto notFinite = [](double t) { return Point2{t, t > 0.5 ? std::nan("") : 0.0}; };
  EXPECT_FALSE(SampleCurve(notFinite, {0.0, 1.0}, 0.1));
  SamplerLimits few;
  few.maxSamples = 100;
  EXPECT_FALSE(SampleCurve(Circle1000, {0.0, 360.0}, 1e-6, few));
  EXPECT_FALSE(SampleCurve(Circle1000, {0.0}, 0.1));
  EXPECT_FALSE(SampleCurve(Circle1000, {10.0, 0.0}, 0.1));
  EXPECT_FALSE(SampleCurve(Circle1000, {0.0, 1.0}, 0.0));
}

TEST_F(FittedDefault, OutlineSamplesStayWithinTheTemplateTolerance) {
  const auto outline = [](double t) { return Point2{OutlineX(t), OutlineY(t)}; };
  std::vector<double> breaks{0.0, g_shapeState.extrema[0].angle, g_shapeState.extrema[1].angle,
                             g_shapeState.extrema[2].angle, 180.0};
  std::sort(breaks.begin(), breaks.end());
  const auto samples = SampleCurve(outline, breaks, 0.001);  // 0.01 mm in centimetres
  ASSERT_TRUE(samples);
  EXPECT_LE(WorstChordError(outline, *samples), 0.001);
}

TEST_F(FittedDefault, WholeOutlineIsClosedSymmetricAndSpansTheMeasurements) {
  const auto line = SampleOutline(g_shapeState, OutlineExtent::Whole, 0.001);
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->closed);
  const auto& p = line->points;
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (std::size_t i = 0; i < p.size(); ++i) {
    minX = std::min(minX, p[i].x), maxX = std::max(maxX, p[i].x);
    minY = std::min(minY, p[i].y), maxY = std::max(maxY, p[i].y);
    const Point2 next = p[(i + 1) % p.size()];
    EXPECT_GT(std::hypot(next.x - p[i].x, next.y - p[i].y), 0.0) << "zero-length chord at " << i;
  }
  EXPECT_NEAR(minX, 0.0, 1e-9);
  EXPECT_NEAR(maxX, 49.0, 1e-9);
  EXPECT_NEAR(maxY, 18.5, 1e-9);
  EXPECT_NEAR(minY, -18.5, 1e-9);
  // Vertex k after the tail and vertex k before it mirror each other in the centreline.
  for (std::size_t k = 1; k < p.size() / 2; ++k) {
    EXPECT_EQ(p[k].x, p[p.size() - k].x);
    EXPECT_EQ(p[k].y, -p[p.size() - k].y);
  }
}

TEST_F(FittedDefault, HalfOutlineStaysOnOneSideAndClosesAlongTheCentreline) {
  const auto line = SampleOutline(g_shapeState, OutlineExtent::Half, 0.001);
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->closed);
  EXPECT_NEAR(line->points.front().x, 49.0, 1e-9);
  EXPECT_NEAR(line->points.back().x, 0.0, 1e-9);
  for (const Point2& q : line->points) EXPECT_GE(q.y, -1e-12);
}
