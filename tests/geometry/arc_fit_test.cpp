// Tangent arcs against the exact curve they follow: every point of the curve near the arcs and
// every point of the arcs near the curve (dense samples, both ways), the headings at every joint,
// the vertices at the breaks, and how few arcs an ordinary body takes; on real designs, their
// exact parallel curves and curves with degenerate stretches.
#include "geometry/arc_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/fit_shape.h"
#include "geometry/math_constants.h"

namespace {

constexpr double kToleranceMm = 0.01;
constexpr double kJointDegrees = 0.05;
constexpr int kCurveSamples = 20000;
constexpr int kArcSamples = 32;

struct Curve {
  std::function<Point2(double)> point, derivative;
  std::vector<double> breaks;
};

// The DXF meaning of a bulge, written out here: an arc turns through 4 atan(bulge), and leaves and
// arrives at half that angle to its chord.
double HeadingAtStart(const ArcSpan& s) {
  return std::atan2(s.b.y - s.a.y, s.b.x - s.a.x) - 2.0 * std::atan(s.bulge);
}
double HeadingAtEnd(const ArcSpan& s) {
  return std::atan2(s.b.y - s.a.y, s.b.x - s.a.x) + 2.0 * std::atan(s.bulge);
}
double GapDegrees(double a, double b) {
  return std::fabs(std::remainder(a - b, 2.0 * kPi)) * 180.0 / kPi;
}

struct Measured {
  double curveToArcs = 0.0, arcsToCurve = 0.0, worstJoint = 0.0;
};

// Distances from a dense polyline of the curve, whose chords stray from it by far less than the
// tolerance's rounding. Each arc is compared with the stretch of polyline between the samples
// nearest its ends (and a margin).
Measured Measure(const Curve& c, const ArcChain& chain) {
  const double t0 = c.breaks.front(), t1 = c.breaks.back();
  std::vector<Point2> line;
  for (int i = 0; i <= kCurveSamples; ++i) line.push_back(c.point(t0 + (t1 - t0) * i / kCurveSamples));
  const auto nearestIndex = [&](Point2 p, std::size_t from, std::size_t to) {
    std::size_t best = from;
    for (std::size_t i = from; i <= to; ++i)
      if (Distance(p, line[i]) < Distance(p, line[best])) best = i;
    return best;
  };
  Measured m;
  for (const Point2& p : line) {
    double d = HUGE_VAL;
    for (std::size_t k = 0; k < chain.SpanCount(); ++k) d = std::fmin(d, DistanceToArc(p, chain.Span(k)));
    m.curveToArcs = std::fmax(m.curveToArcs, d);
  }
  const std::size_t margin = kCurveSamples / 100;
  for (std::size_t k = 0; k < chain.SpanCount(); ++k) {
    const ArcSpan s = chain.Span(k);
    std::size_t from = nearestIndex(s.a, 0, line.size() - 1), to = nearestIndex(s.b, 0, line.size() - 1);
    from = from > margin ? from - margin : 0;
    to = std::min(line.size() - 2, to + margin);
    for (int j = 0; j <= kArcSamples; ++j) {
      const Point2 q = ArcPointAt(s, static_cast<double>(j) / kArcSamples);
      double d = HUGE_VAL;
      for (std::size_t i = from; i <= to; ++i) d = std::fmin(d, DistanceToSegment(q, line[i], line[i + 1]));
      m.arcsToCurve = std::fmax(m.arcsToCurve, d);
    }
    if (k > 0)
      m.worstJoint = std::fmax(m.worstJoint, GapDegrees(HeadingAtEnd(chain.Span(k - 1)), HeadingAtStart(s)));
  }
  return m;
}

void ExpectFollows(const Curve& c, const ArcChain& chain) {
  ASSERT_GE(chain.SpanCount(), 1u);
  ASSERT_EQ(chain.vertices.size(), chain.SpanCount() + 1);
  for (double b : chain.bulges) ASSERT_TRUE(std::isfinite(b));
  const Measured m = Measure(c, chain);
  EXPECT_LE(m.curveToArcs, kToleranceMm);
  EXPECT_LE(m.arcsToCurve, kToleranceMm);
  EXPECT_LE(m.worstJoint, kJointDegrees);
  // Every break is a vertex, and the chain starts and ends along the curve's own tangent.
  for (double t : c.breaks) {
    const Point2 p = c.point(t);
    bool found = false;
    for (const Point2& v : chain.vertices) found = found || (v.x == p.x && v.y == p.y);
    EXPECT_TRUE(found) << "no vertex at t = " << t;
  }
  const Point2 d0 = c.derivative(c.breaks.front()), d1 = c.derivative(c.breaks.back());
  EXPECT_LE(GapDegrees(HeadingAtStart(chain.Span(0)), std::atan2(d0.y, d0.x)), 1e-6);
  EXPECT_LE(GapDegrees(HeadingAtEnd(chain.Span(chain.SpanCount() - 1)), std::atan2(d1.y, d1.x)), 1e-6);
}

// A design fitted in its own unit, drawn in millimetres, moved d mm along the exact normal.
struct DesignRow {
  const char* name;
  double values[8];
  double mmPerUnit;
  double offsetMm;
  std::size_t maxArcsPerHalf;  // 0: no promise
};

void PrintTo(const DesignRow& r, std::ostream* os) {
  *os << r.name;
}

const DesignRow kDesigns[] = {
    {"Default", {49, 18.5, 12, 14, 0, -0.25, 0, -0.5}, 10.0, 0.0, 40},
    {"Dreadnought", {50.8, 19.85, 13.65, 14.6, 0, -0.25, 0, -0.5}, 10.0, 0.0, 40},
    {"Classical", {48.5, 18.5, 11.8, 14.3, 0, -0.25, 0, -0.5}, 10.0, 0.0, 40},
    {"Inches", {19.25, 7.25, 4.75, 5.5, 0, -0.1, 0, -0.2}, 25.4, 0.0, 40},
    {"MouldOutward", {49, 18.5, 12, 14, 0, -0.25, 0, -0.5}, 10.0, 8.0, 40},
    {"SidesInward", {49, 18.5, 12, 14, 0, -0.25, 0, -0.5}, 10.0, -3.0, 40},
    {"InchesOutward", {19.25, 7.25, 4.75, 5.5, 0, -0.1, 0, -0.2}, 25.4, 12.7, 40},
    {"DeepWaist", {49, 18.5, 7, 14, 0, -0.25, 0, -0.5}, 10.0, 0.0, 0},
    {"LargeA3toA6", {49, 18.5, 12, 14, 0.6, -0.8, 0.5, -0.9}, 10.0, 0.0, 0},
    {"LargeA3toA6Inward", {49, 18.5, 12, 14, 0.6, -0.8, 0.5, -0.9}, 10.0, -2.0, 0},
};

class ArcFitDesignTest : public ::testing::TestWithParam<DesignRow> {
 protected:
  void SetUp() override {
    const double* v = GetParam().values;
    m_outline = FitOutline(DesignShape{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
    ASSERT_TRUE(m_outline.Valid());
  }

  // The half from t = 0 to 180; the offset's tangent is the outline's, as a parallel curve's is.
  Curve Half(double mmPerUnit, double d) const {
    const FittedOutline f = m_outline;
    Curve c;
    c.point = [=](double t) {
      const Point2 p = f.At(t), v = f.Derivative(t);
      const double speed = std::hypot(v.x, v.y);
      return Point2{mmPerUnit * p.x + d * v.y / speed, mmPerUnit * p.y - d * v.x / speed};
    };
    c.derivative = [=](double t) { return f.Derivative(t); };
    c.breaks = {0.0, f.extrema[0].angle, f.extrema[1].angle, f.extrema[2].angle, 180.0};
    return c;
  }

  FittedOutline m_outline;
};

}  // namespace

TEST_P(ArcFitDesignTest, ArcsFollowTheExactCurveWithTangentJoints) {
  const DesignRow& row = GetParam();
  const Curve half = Half(row.mmPerUnit, row.offsetMm);
  const auto chain = FitArcs({half.point, half.derivative}, half.breaks, kToleranceMm);
  ASSERT_TRUE(chain.has_value());
  ExpectFollows(half, *chain);
  if (row.maxArcsPerHalf > 0) {
    EXPECT_LE(chain->SpanCount(), row.maxArcsPerHalf);
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, ArcFitDesignTest, ::testing::ValuesIn(kDesigns),
                         [](const ::testing::TestParamInfo<DesignRow>& info) {
                           return std::string(info.param.name);
                         });

namespace {

// Curves with the stretches that break naive constructions.
struct ShapeRow {
  const char* name;
  Curve curve;
  std::size_t arcs;  // exactly this many, or 0: any
};

void PrintTo(const ShapeRow& r, std::ostream* os) {
  *os << r.name;
}

const ShapeRow kShapes[] = {
    {"StraightLine",
     {[](double t) {
        return Point2{3 * t, 4 * t};
      },
      [](double) {
        return Point2{3, 4};
      },
      {0, 10}},
     1},
    {"HalfCircle",
     {[](double t) {
        return Point2{50 * std::cos(t), 50 * std::sin(t)};
      },
      [](double t) {
        return Point2{-50 * std::sin(t), 50 * std::cos(t)};
      },
      {0, kPi}},
     1},
    // A sine wave: inflections where the arcs change their turn.
    {"Inflections",
     {[](double t) {
        return Point2{t, 20 * std::sin(t / 20)};
      },
      [](double t) {
        return Point2{1, std::cos(t / 20)};
      },
      {0, 100, 200}},
     0},
    // A parabola whose parameter stalls at its vertex (the derivative vanishes there).
    {"StallingParameter",
     {[](double t) {
        return Point2{t * t * t, 0.01 * std::pow(t, 6)};
      },
      [](double t) {
        return Point2{3 * t * t, 0.06 * std::pow(t, 5)};
      },
      {-3, 0, 3}},
     0},
    // Straight, then a quarter circle, then straight again: curvature jumps where they meet.
    {"StraightAndRound",
     {[](double t) {
        if (t < 0) return Point2{t, 0};
        if (t > kPi / 2) return Point2{10, 10 + (t - kPi / 2)};
        return Point2{10 * std::sin(t), 10 - 10 * std::cos(t)};
      },
      [](double t) {
        return t < 0 ? Point2{1, 0} : t > kPi / 2 ? Point2{0, 1} : Point2{std::cos(t), std::sin(t)};
      },
      {-5, 0, kPi / 2, kPi / 2 + 5}},
     0},
};

class ArcFitShapeTest : public ::testing::TestWithParam<ShapeRow> {};

}  // namespace

TEST_P(ArcFitShapeTest, DegenerateStretchesGiveFiniteTangentArcs) {
  const ShapeRow& row = GetParam();
  const auto chain = FitArcs({row.curve.point, row.curve.derivative}, row.curve.breaks, kToleranceMm);
  ASSERT_TRUE(chain.has_value());
  ExpectFollows(row.curve, *chain);
  if (row.arcs > 0) {
    EXPECT_EQ(chain->SpanCount(), row.arcs);
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ArcFitShapeTest, ::testing::ValuesIn(kShapes),
                         [](const ::testing::TestParamInfo<ShapeRow>& info) {
                           return std::string(info.param.name);
                         });

TEST(ArcFitRefusalTest, UnusableCurvesBreaksAndTolerancesAndTooManyArcs) {
  const ArcCurve circle{[](double t) {
                          return Point2{std::cos(t), std::sin(t)};
                        },
                        [](double t) {
                          return Point2{-std::sin(t), std::cos(t)};
                        }};
  ASSERT_TRUE(FitArcs(circle, {0, 1}, kToleranceMm).has_value());
  EXPECT_FALSE(FitArcs(circle, {0}, kToleranceMm).has_value());
  EXPECT_FALSE(FitArcs(circle, {1, 0}, kToleranceMm).has_value());
  EXPECT_FALSE(FitArcs(circle, {0, std::nan("")}, kToleranceMm).has_value());
  EXPECT_FALSE(FitArcs(circle, {0, 1}, 0.0).has_value());
  EXPECT_FALSE(FitArcs(circle, {0, 1}, std::nan("")).has_value());
  const ArcCurve broken{[](double t) {
                          return Point2{t, t > 0.5 ? std::nan("") : 0.0};
                        },
                        [](double) {
                          return Point2{1, 0};
                        }};
  EXPECT_FALSE(FitArcs(broken, {0, 1}, kToleranceMm).has_value());
  // A wavy curve needs dozens of arcs; allowed three, the fit gives up.
  const ArcCurve wave{[](double t) {
                        return Point2{t, std::sin(t)};
                      },
                      [](double t) {
                        return Point2{1, std::cos(t)};
                      }};
  EXPECT_TRUE(FitArcs(wave, {0, 30}, kToleranceMm).has_value());
  EXPECT_FALSE(FitArcs(wave, {0, 30}, kToleranceMm, 3).has_value());
}
