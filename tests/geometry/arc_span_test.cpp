// One bulge span against the circle it is known to lie on: its points, headings, distances and
// box, for arcs both ways round, a half circle, a major arc and a straight span.
#include "geometry/arc_span.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "geometry/math_constants.h"

namespace {

struct SpanRow {
  const char* name;
  ArcSpan span;
  Point2 centre;        // of its circle (unused when straight)
  double radius;        // 0 when straight
  double startHeading;  // radians
  double sweep;         // radians, signed
  double box[4];        // min x, min y, max x, max y
};

void PrintTo(const SpanRow& r, std::ostream* os) {
  *os << r.name;
}

const double kTan22 = std::tan(kPi / 8), kTan67 = std::tan(3 * kPi / 8);

const SpanRow kSpans[] = {
    // A quarter of the circle of radius 10 about (0, 0), from (10, 0) up to (0, 10).
    {"QuarterAnticlockwise", {{10, 0}, {0, 10}, kTan22}, {0, 0}, 10, kPi / 2, kPi / 2, {0, 0, 10, 10}},
    {"QuarterClockwise", {{0, 10}, {10, 0}, -kTan22}, {0, 0}, 10, 0, -kPi / 2, {0, 0, 10, 10}},
    // The upper half of the circle of radius 5 about (5, 0), from (10, 0) to (0, 0).
    {"HalfCircle", {{10, 0}, {0, 0}, 1.0}, {5, 0}, 5, kPi / 2, kPi, {0, 0, 10, 5}},
    // Three quarters round the circle of radius 2 about (0, 0), from (2, 0) to (0, -2).
    {"MajorArc", {{2, 0}, {0, -2}, kTan67}, {0, 0}, 2, kPi / 2, 1.5 * kPi, {-2, -2, 2, 2}},
    {"Straight", {{1, 1}, {4, 5}, 0.0}, {0, 0}, 0, std::atan2(4, 3), 0, {1, 1, 4, 5}},
};

class ArcSpanTest : public ::testing::TestWithParam<SpanRow> {};

}  // namespace

TEST_P(ArcSpanTest, PointsHeadingsDistancesAndBoxAreThoseOfItsCircle) {
  const SpanRow& r = GetParam();
  const ArcSpan& s = r.span;
  EXPECT_NEAR(ArcSweep(s), r.sweep, 1e-12);
  EXPECT_NEAR(std::remainder(ArcHeadingAt(s, 0.0) - r.startHeading, 2 * kPi), 0.0, 1e-12);
  EXPECT_NEAR(std::remainder(ArcHeadingAt(s, 1.0) - r.startHeading - r.sweep, 2 * kPi), 0.0, 1e-12);
  for (double u : {0.0, 0.25, 0.5, 0.75, 1.0}) {
    const Point2 p = ArcPointAt(s, u);
    if (r.radius > 0) {
      EXPECT_NEAR(Distance(p, r.centre), r.radius, 1e-12) << u;
      // Equal steps of u are equal turns about the centre.
      const double turned =
          std::atan2((s.a.x - r.centre.x) * (p.y - r.centre.y) - (s.a.y - r.centre.y) * (p.x - r.centre.x),
                     (s.a.x - r.centre.x) * (p.x - r.centre.x) + (s.a.y - r.centre.y) * (p.y - r.centre.y));
      EXPECT_NEAR(std::remainder(turned - u * r.sweep, 2 * kPi), 0.0, 1e-12) << u;
    } else {
      EXPECT_NEAR(p.x, s.a.x + u * (s.b.x - s.a.x), 1e-12) << u;
      EXPECT_NEAR(p.y, s.a.y + u * (s.b.y - s.a.y), 1e-12) << u;
    }
    EXPECT_NEAR(DistanceToArc(p, s), 0.0, 1e-12) << u;
    // Straight out from the arc by 1, the distance is 1.
    const double h = ArcHeadingAt(s, u);
    EXPECT_NEAR(DistanceToArc(Point2{p.x + std::sin(h), p.y - std::cos(h)}, s), 1.0, 1e-12) << u;
  }
  if (r.radius > 0) {
    // The centre is one radius from every point of the arc; the point of the circle opposite the
    // arc's middle is nearest an end.
    EXPECT_NEAR(DistanceToArc(r.centre, s), r.radius, 1e-12);
    const Point2 mid = ArcPointAt(s, 0.5);
    const Point2 opposite{2 * r.centre.x - mid.x, 2 * r.centre.y - mid.y};
    EXPECT_NEAR(DistanceToArc(opposite, s), std::min(Distance(opposite, s.a), Distance(opposite, s.b)),
                1e-12);
  }
  const std::vector<Point2> extremes = ArcExtremePoints(s);
  double box[4] = {HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  for (const Point2& p : extremes) {
    box[0] = std::min(box[0], p.x), box[1] = std::min(box[1], p.y);
    box[2] = std::max(box[2], p.x), box[3] = std::max(box[3], p.y);
  }
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(box[i], r.box[i], 1e-12) << i;
}

INSTANTIATE_TEST_SUITE_P(Spans, ArcSpanTest, ::testing::ValuesIn(kSpans),
                         [](const ::testing::TestParamInfo<SpanRow>& info) {
                           return std::string(info.param.name);
                         });
