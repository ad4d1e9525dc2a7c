// Nearest point on the half outline, against a brute-force search of the geometry's own curve and
// against what the geometry says about the ends.
#include "match/nearest_point.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/fit_shape.h"
#include "match/outline_model.h"
#include "match_samples.h"

namespace {

constexpr double kPi = 3.141592653589793;

class NearestPointTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FitOutlineModel(TestDesigns()[0].values, &model)); }

  static FittedOutline Outline() { return FitOutline(DesignShape::FromArray(TestDesigns()[0].values)); }

  // The distance found by walking the geometry's outline (degrees) finely and then narrowing.
  static double BruteForceDistance(double px, double py) {
    const FittedOutline outline = Outline();
    const auto d = [&](double t) { return std::hypot(outline.X(t) - px, outline.Y(t) - py); };
    double best = 0.0, bestD = INFINITY;
    for (int i = 0; i <= 18000; ++i) {
      const double t = i * 0.01;
      if (d(t) < bestD) bestD = d(t), best = t;
    }
    double lo = std::fmax(0.0, best - 0.01), hi = std::fmin(180.0, best + 0.01);
    for (int i = 0; i < 200; ++i) {
      const double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
      (d(a) < d(b) ? hi : lo) = d(a) < d(b) ? b : a;
    }
    return d(0.5 * (lo + hi));
  }

  OutlineModel model;
};

TEST_F(NearestPointTest, AgreesWithABruteForceSearch) {
  const NearestPointFinder finder(model);
  struct Probe {
    double x, y;
  };
  // Inside, outside, near each end, across the waist, far away.
  for (const Probe p :
       {Probe{24.5, 5.0}, Probe{10.0, 16.0}, Probe{40.0, 20.0}, Probe{-3.0, 2.0}, Probe{52.0, 1.0},
        Probe{48.9, 0.3}, Probe{0.2, 0.1}, Probe{22.0, 12.5}, Probe{24.5, 80.0}, Probe{200.0, 0.0}}) {
    const NearestPoint n = finder.Find(p.x, p.y);
    EXPECT_NEAR(std::fabs(n.distance), BruteForceDistance(p.x, p.y), 1e-9) << p.x << ", " << p.y;
    EXPECT_NEAR(std::hypot(n.dirX, n.dirY), 1.0, 1e-15);
    EXPECT_NEAR(n.dirX * (p.x - n.foot.x) + n.dirY * (p.y - n.foot.y), n.distance, 1e-12);
  }
}

TEST_F(NearestPointTest, TheMissIsPerpendicularToTheOutline) {
  const NearestPointFinder finder(model);
  for (double t = 3.0; t < 180.0; t += 7.0) {
    // A point 0.3 outside the outline at t, along its normal.
    CurvePoint c;
    EvaluateCurve(model, t * kPi / 180.0, &c);
    const double len = std::hypot(c.dx, c.dy);
    const double px = c.x + 0.3 * c.dy / len, py = c.y - 0.3 * c.dx / len;
    const NearestPoint n = finder.Find(px, py);
    EXPECT_NEAR(n.distance, 0.3, 1e-12) << t;
    EXPECT_NEAR(n.t * 180.0 / kPi, t, 1e-9) << t;
    const double tangentDot = (px - n.foot.x) * n.foot.dx + (py - n.foot.y) * n.foot.dy;
    EXPECT_NEAR(tangentDot / len, 0.0, 1e-13) << t;
  }
}

TEST_F(NearestPointTest, PointsOnTheCentrelineMeetTheEnds) {
  const NearestPointFinder finder(model);
  const NearestPoint tail = finder.Find(Outline().X(0.0) + 2.0, 0.0);
  EXPECT_EQ(tail.t, 0.0);
  EXPECT_NEAR(tail.distance, 2.0, 1e-13);
  const NearestPoint neck = finder.Find(-1.5, 0.0);
  EXPECT_NEAR(neck.t, kPi, 1e-15);
  EXPECT_NEAR(neck.distance, 1.5, 1e-13);
  const NearestPoint inside = finder.Find(Outline().X(0.0) - 0.5, 0.0);
  EXPECT_NEAR(inside.distance, -0.5, 1e-13) << "inside the outline is negative";
}

TEST_F(NearestPointTest, PointsOnTheOutlineAreAtRoundingDistance) {
  const NearestPointFinder finder(model);
  for (const MatchPoint& p : SampleOutline(TestDesigns()[0].values, 91))
    EXPECT_LT(std::fabs(finder.Find(p.x, p.y).distance), 1e-13) << "line " << p.line;
}

}  // namespace
