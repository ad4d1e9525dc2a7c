// Parallel curves of the fitted outline against facts that do not come from their own code: every
// vertex lies |d| from the curve (nearest point found by search over the curve itself), the area
// obeys Steiner's formula A + L d + pi d^2 for the exact outline's area A and perimeter L, and the
// offsets that would fold over are refused with the radius that forbids them.
#include "export/offset_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/result_checks.h"
#include "document/veskdoc.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTolCm = 0.001;  // 0.01 mm

double CurveDistance(Point2 p, double t) {
  return std::hypot(OutlineX(t) - p.x, OutlineY(t) - p.y);
}

// Distance from p (upper half, or mirrored into it) to the fitted curve: a scan, then golden section.
double DistanceToOutline(Point2 p) {
  p.y = std::fabs(p.y);
  double best = 0.0, bestD = CurveDistance(p, 0.0);
  for (double t = 0.25; t <= 180.0; t += 0.25)
    if (const double d = CurveDistance(p, t); d < bestD) bestD = d, best = t;
  double a = std::fmax(0.0, best - 0.25), b = std::fmin(180.0, best + 0.25);
  const double g = (std::sqrt(5.0) - 1.0) / 2.0;
  for (int i = 0; i < 80; ++i) {
    const double c = b - g * (b - a), d = a + g * (b - a);
    if (CurveDistance(p, c) < CurveDistance(p, d))
      b = d;
    else
      a = c;
  }
  return std::fmin(bestD, CurveDistance(p, (a + b) / 2));
}

double PolygonArea(const Polyline& line) {
  double twice = 0.0;
  const auto& p = line.points;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Point2 &a = p[i], &b = p[(i + 1) % p.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2.0;
}

// Area and perimeter of the exact closed outline: the trapezoid rule over a whole period of a
// smooth periodic integrand converges faster than any power of the step.
void ExactAreaAndPerimeter(double* area, double* perimeter) {
  const int n = 7200;
  const double h = 360.0 / n;
  *area = 0.0;
  *perimeter = 0.0;
  for (int i = 0; i < n; ++i) {
    const double t = i * h;
    const Point2 v = g_shapeState.Derivative(t);
    *area += (OutlineX(t) * v.y - OutlineY(t) * v.x) / 2.0 * h;
    *perimeter += std::hypot(v.x, v.y) * h;
  }
}

struct OffsetCase {
  const char* name;
  double mm;
  OutlineExtent extent;
};

void PrintTo(const OffsetCase& c, std::ostream* os) {
  *os << c.name;
}

class OffsetCurveTest : public ::testing::TestWithParam<OffsetCase> {
 protected:
  void SetUp() override { ASSERT_TRUE(doc.OnNewDocument()); }  // the default design, fitted, in cm
  CVeskDoc doc;
};

}  // namespace

TEST_P(OffsetCurveTest, VerticesLieAtTheDistanceAndTheAreaObeysSteiner) {
  const OffsetCase c = GetParam();
  const double d = c.mm / 10.0;
  const Result<Polyline> r =
      SampleOffset(g_shapeState, d, FindOutlineBends(g_shapeState), 10.0, c.extent, kTolCm);
  ASSERT_TRUE(r.ok()) << r.error().message;
  ASSERT_TRUE(r->closed);
  const bool half = c.extent == OutlineExtent::Half;
  for (const Point2& p : r->points) {
    if (half && p.y == 0.0) continue;  // the closing edge's ends lie on the centreline, not the curve
    EXPECT_NEAR(DistanceToOutline(p), std::fabs(d), 0.0005) << p.x << ", " << p.y;
  }
  double area = 0.0, perimeter = 0.0;
  ExactAreaAndPerimeter(&area, &perimeter);
  const double steiner = area + perimeter * d + kPi * d * d;
  EXPECT_NEAR(PolygonArea(*r) * (half ? 2.0 : 1.0), steiner, perimeter * kTolCm);
}

INSTANTIATE_TEST_SUITE_P(Offsets, OffsetCurveTest,
                         ::testing::Values(OffsetCase{"Mould20mm", 20.0, OutlineExtent::Whole},
                                           OffsetCase{"Sides2mmInside", -2.2, OutlineExtent::Whole},
                                           OffsetCase{"Binding6mmInsideHalf", -6.0, OutlineExtent::Half},
                                           OffsetCase{"Mould35mmHalf", 35.0, OutlineExtent::Half},
                                           OffsetCase{"Deep60mmInside", -60.0, OutlineExtent::Whole}),
                         [](const ::testing::TestParamInfo<OffsetCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(OffsetFoldTest, TheTightestBendsAreTheSmallestRadiiOfCurvature) {
  CVeskDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  double convex = INFINITY, concave = INFINITY;
  for (double t = 0.0; t <= 180.0; t += 0.001) {
    const double k = g_shapeState.Curvature(t);
    if (k > 0.0) convex = std::fmin(convex, 1.0 / k);
    if (k < 0.0) concave = std::fmin(concave, -1.0 / k);
  }
  const OutlineBends b = FindOutlineBends(g_shapeState);
  EXPECT_NEAR(b.convexRadius, convex, 1e-9 * convex);
  EXPECT_NEAR(b.concaveRadius, concave, 1e-9 * concave);
  EXPECT_NEAR(1.0 / g_shapeState.Curvature(b.convexAngle), b.convexRadius, 1e-12 * convex);
}

TEST(OffsetFoldTest, OffsetsAtTheRadiusAreRefusedAndJustInsideItAreDrawn) {
  CVeskDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  const OutlineBends b = FindOutlineBends(g_shapeState);
  const QString convexMm = QString::number(b.convexRadius * 10.0, 'f', 2);
  const QString concaveMm = QString::number(b.concaveRadius * 10.0, 'f', 2);

  QString why = MessageOf(SampleOffset(g_shapeState, -b.convexRadius, b, 10.0, OutlineExtent::Whole, kTolCm));
  EXPECT_TRUE(why.contains(convexMm + " mm")) << why.toStdString();
  why = MessageOf(SampleOffset(g_shapeState, b.concaveRadius * 1.5, b, 10.0, OutlineExtent::Half, kTolCm));
  EXPECT_TRUE(why.contains(concaveMm + " mm")) << why.toStdString();

  EXPECT_TRUE(SampleOffset(g_shapeState, b.concaveRadius * 0.99, b, 10.0, OutlineExtent::Whole, kTolCm).ok());
  // Just inside the convex radius an inward offset still meets itself across the waist.
  const Result<Polyline> r =
      SampleOffset(g_shapeState, -b.convexRadius * 0.99, b, 10.0, OutlineExtent::Whole, kTolCm);
  if (!r) {
    EXPECT_TRUE(MessageOf(r).contains(QStringLiteral("centreline"))) << MessageOf(r).toStdString();
  }
}
