// The outline as tangent arcs in the template's model: closed, mirror-symmetric, tangent at every
// joint (the two where the halves meet included), spanning the design's measurements, and a few
// dozen vertices; the half closed by one straight span along the centreline; and arcs that cannot
// follow a curve falling back to the segments.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "export/outline_polyline.h"
#include "geometry/fit_shape.h"
#include "geometry/math_constants.h"

namespace {

constexpr double kTol = 0.001;  // 0.01 mm in centimetres
constexpr double kJointDegrees = 0.05;

struct ArcRow {
  const char* name;
  DesignShape shape;
  OutlineExtent extent;
  std::size_t maxVertices;
};

void PrintTo(const ArcRow& r, std::ostream* os) {
  *os << r.name;
}

const ArcRow kRows[] = {
    {"DefaultWhole", {49, 18.5, 12, 14, 0, -0.25, 0, -0.5}, OutlineExtent::Whole, 80},
    {"DefaultHalf", {49, 18.5, 12, 14, 0, -0.25, 0, -0.5}, OutlineExtent::Half, 41},
    {"DeepWaistWhole", {49, 18.5, 7, 14, 0, -0.25, 0, -0.5}, OutlineExtent::Whole, 2000},
};

// The DXF meaning of a bulge: a span leaves and arrives at 2 atan(bulge) to its chord.
double Heading(const ArcSpan& s, bool atEnd) {
  return std::atan2(s.b.y - s.a.y, s.b.x - s.a.x) + (atEnd ? 2.0 : -2.0) * std::atan(s.bulge);
}

class OutlineArcsTest : public ::testing::TestWithParam<ArcRow> {};

}  // namespace

TEST_P(OutlineArcsTest, ClosedTangentSymmetricAndTheDesignsSize) {
  const ArcRow& row = GetParam();
  const FittedOutline outline = FitOutline(row.shape);
  ASSERT_TRUE(outline.Valid());
  const auto drawn = DrawOutline(outline, row.extent, CurveStyle::Arcs, kTol);
  ASSERT_TRUE(drawn.has_value());
  ASSERT_FALSE(drawn->arcsFellBack);
  const Polyline& line = drawn->line;
  ASSERT_TRUE(line.closed);
  ASSERT_TRUE(line.HasArcs());
  ASSERT_EQ(line.bulges.size(), line.points.size());
  EXPECT_LE(line.points.size(), row.maxVertices);
  const std::size_t n = line.SpanCount();
  const bool half = row.extent == OutlineExtent::Half;
  for (std::size_t i = 0; i < n; ++i) {
    // In a half, the last span is the straight closing edge; its two corners are not joints.
    if (half && i + 2 >= n) continue;
    const double gap =
        std::remainder(Heading(line.Span(i), true) - Heading(line.Span((i + 1) % n), false), 2 * kPi);
    EXPECT_LE(std::fabs(gap) * 180.0 / kPi, kJointDegrees) << "joint after span " << i;
  }
  if (half) {
    EXPECT_EQ(line.bulges.back(), 0.0);
    EXPECT_NEAR(line.points.front().y, 0.0, 1e-12);
    EXPECT_NEAR(line.points.back().y, 0.0, 1e-12);
  } else {
    for (std::size_t k = 1; k < n / 2; ++k) {
      EXPECT_EQ(line.points[k].x, line.points[n - k].x);
      EXPECT_EQ(line.points[k].y, -line.points[n - k].y);
    }
    for (std::size_t k = 0; k < n; ++k) EXPECT_EQ(line.bulges[k], line.bulges[n - 1 - k]);
  }
  Bounds box;
  box.Add(line);
  EXPECT_NEAR(box.minX, 0.0, kTol);
  EXPECT_NEAR(box.maxX, row.shape.length, kTol);
  EXPECT_NEAR(box.maxY, row.shape.lowerBout, kTol);
  EXPECT_NEAR(box.minY, half ? 0.0 : -row.shape.lowerBout, kTol);
}

INSTANTIATE_TEST_SUITE_P(Outlines, OutlineArcsTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<ArcRow>& info) {
                           return std::string(info.param.name);
                         });

TEST(OutlineArcsFallbackTest, ArcsThatCannotFollowTheCurveGiveTheSegments) {
  const FittedOutline outline = FitOutline({49, 18.5, 12, 14, 0, -0.25, 0, -0.5});
  ASSERT_TRUE(outline.Valid());
  const auto point = [&](double t) { return outline.At(t); };
  // A derivative that points back along the curve: every arc has to turn round within the
  // tolerance before it can follow the curve, and the arcs run out long before the curve does.
  const auto backwards = [&](double t) { return Point2{-outline.Derivative(t).x, -outline.Derivative(t).y}; };
  const auto drawn = DrawHalfCurve(outline, point, backwards, OutlineExtent::Whole, CurveStyle::Arcs, kTol);
  ASSERT_TRUE(drawn.has_value());
  EXPECT_TRUE(drawn->arcsFellBack);
  const auto segments = SampleHalfCurve(outline, point, OutlineExtent::Whole, kTol);
  ASSERT_TRUE(segments.has_value());
  EXPECT_FALSE(drawn->line.HasArcs());
  ASSERT_EQ(drawn->line.points.size(), segments->points.size());
  for (std::size_t i = 0; i < segments->points.size(); ++i) {
    EXPECT_EQ(drawn->line.points[i].x, segments->points[i].x);
    EXPECT_EQ(drawn->line.points[i].y, segments->points[i].y);
  }
  // And segments asked for are the sampler's, with no note.
  const auto asked = DrawOutline(outline, OutlineExtent::Whole, CurveStyle::Segments, kTol);
  ASSERT_TRUE(asked.has_value());
  EXPECT_FALSE(asked->arcsFellBack);
  EXPECT_EQ(asked->line.points.size(), segments->points.size());
}
