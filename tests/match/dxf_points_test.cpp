// The DXF point reader: entities, layers and units as CAD programs write them, and the hostile
// group values that dxflib itself would trust.
#include "match/dxf_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dxf/dxf_groups.h"
#include "dxf_test_files.h"

namespace {

Result<PointSet> Read(const std::string& dxf, const std::string& layer = "", double designMm = 10.0,
                      std::optional<double> pointsMm = std::nullopt) {
  return ReadDxfPoints(dxf, {layer, designMm, pointsMm});
}

TEST(DxfPointsTest, ReadsLinesPolylinesAndLightweightPolylines) {
  const std::string dxf =
      Header(5) + Entities(Line("a", {0, 0}, {1, 1}) + Line("a", {1, 1}, {2, 0}) +
                           Polyline("b", {{3, 3}, {4, 4}}) + LwPolyline("c", {{5, 5}, {6, 6}, {7, 7}}) +
                           Groups({{0, "CIRCLE"}, {8, "a"}, {10, "9"}, {20, "9"}, {40, "1"}}));
  const Result<PointSet> r = Read(dxf);  // cm file into cm
  ASSERT_TRUE(r.ok()) << r.error().message;
  const std::vector<Point2> want = {{0, 0}, {1, 1}, {2, 0}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}};
  ASSERT_EQ(r->points.size(), want.size()) << "the shared LINE end once, no circle, no POLYLINE base point";
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(r->points[i].x, want[i].x) << i;
    EXPECT_EQ(r->points[i].y, want[i].y) << i;
  }
  EXPECT_TRUE(r->notes.empty());
  EXPECT_EQ(r->layer, "") << "no layer holds a closed curve: all are read";
  ASSERT_EQ(r->layers.size(), 3u);
  EXPECT_EQ(r->layers[0].points, 3u);
}

TEST(DxfPointsTest, OneLayerOnlyWhenAsked) {
  const std::string dxf =
      Header(4) + Entities(Line("Outline", {0, 0}, {10, 0}) + Line("other", {50, 50}, {60, 60}) +
                           LwPolyline("OUTLINE", {{20, 5}}));
  const Result<PointSet> r = Read(dxf, "outline");
  ASSERT_TRUE(r.ok()) << r.error().message;
  ASSERT_EQ(r->points.size(), 3u) << "layer names compare without case";
  EXPECT_EQ(r->points[2].x, 2.0);
  const Result<PointSet> none = Read(dxf, "frets");
  ASSERT_FALSE(none.ok());
  EXPECT_NE(none.error().message.find("layer 'frets'"), std::string::npos) << none.error().message;
  EXPECT_NE(none.error().message.find("Outline"), std::string::npos) << "the layers that exist are named";
}

TEST(DxfPointsTest, WithoutALayerTheLargestClosedCurveIsRead) {
  const std::vector<Point2> body = {{0, -180}, {480, -180}, {480, 180}, {0, 180}};
  std::string chain;  // a closed curve of separate LINEs, as many CAD programs export one
  for (std::size_t i = 0; i < body.size(); ++i) chain += Line("BODY", body[i], body[(i + 1) % body.size()]);
  const std::string dxf = Header(4) + Entities(LwPolyline("HOLE", {{100, -50}, {200, -50}, {200, 50}}, true) +
                                               chain + Line("NOTES", {0, 0}, {480, 0}) +
                                               LwPolyline("FRAME", {{0, 0}, {900, 0}, {900, 5}}));
  const Result<PointSet> r = Read(dxf, "", 1.0);
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_EQ(r->layer, "BODY");
  EXPECT_EQ(r->points.size(), 4u);
  ASSERT_EQ(r->layers.size(), 4u);
  EXPECT_EQ(r->layers[1].name, "BODY");
  EXPECT_EQ(r->layers[1].points, 4u) << "the shared ends once";
  ASSERT_EQ(r->notes.size(), 1u);
  EXPECT_NE(r->notes[0].find("largest closed curve of 2 layers"), std::string::npos) << r->notes[0];
}

struct UnitCase {
  std::string name;
  int insUnits;
  double designMm;
  std::optional<double> pointsMm;
  double want;  // x of a point at 254 file units
  bool noted;
};
void PrintTo(const UnitCase& c, std::ostream* os) {
  *os << c.name;
}

class DxfUnitsTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(DxfUnitsTest, ConvertsIntoTheDesignUnit) {
  const UnitCase& c = GetParam();
  const Result<PointSet> r =
      Read(Header(c.insUnits) + Entities(Line("0", {254, 0}, {0, 0})), "", c.designMm, c.pointsMm);
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_DOUBLE_EQ(r->points[0].x, c.want);
  EXPECT_EQ(r->notes.size(), c.noted ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Units, DxfUnitsTest,
    ::testing::Values(UnitCase{"MillimetresIntoCm", 4, 10.0, {}, 25.4, false},
                      UnitCase{"MillimetresIntoIn", 4, 25.4, {}, 10.0, false},
                      UnitCase{"InchesIntoCm", 1, 10.0, {}, 645.16, false},
                      UnitCase{"InchesIntoIn", 1, 25.4, {}, 254.0, false},
                      UnitCase{"CentimetresIntoCm", 5, 10.0, {}, 254.0, false},
                      UnitCase{"MetresIntoCm", 6, 10.0, {}, 25400.0, false},
                      UnitCase{"UnitlessIsMillimetres", 0, 10.0, {}, 25.4, true},
                      UnitCase{"NoHeaderIsMillimetres", -1, 10.0, {}, 25.4, true},
                      UnitCase{"MetresSaidButMillimetresMeant", 6, 10.0, 1.0, 25.4, true},
                      UnitCase{"InchesGivenForAFileWithout", -1, 10.0, 25.4, 645.16, false}),
    [](const ::testing::TestParamInfo<UnitCase>& info) { return info.param.name; });

// The distance from each point to the true curve, and the largest gap between neighbours.
struct CurveCase {
  std::string name;
  std::string entities;  // in millimetres
  double (*offCurve)(Point2);
  double longestStep;  // mm
  std::size_t fewest;  // points
};
void PrintTo(const CurveCase& c, std::ostream* os) {
  *os << c.name;
}

class DxfCurvesTest : public ::testing::TestWithParam<CurveCase> {};

TEST_P(DxfCurvesTest, PointsLieOnTheCurveCloselySpaced) {
  const Result<PointSet> r = Read(Header(4) + Entities(GetParam().entities), "", 1.0);
  ASSERT_TRUE(r.ok()) << r.error().message;
  ASSERT_GE(r->points.size(), GetParam().fewest);
  for (std::size_t i = 0; i < r->points.size(); ++i) {
    EXPECT_LT(GetParam().offCurve(r->points[i]), 1e-9)
        << i << ": " << r->points[i].x << ", " << r->points[i].y;
    if (i == 0) continue;
    EXPECT_LE(std::hypot(r->points[i].x - r->points[i - 1].x, r->points[i].y - r->points[i - 1].y),
              GetParam().longestStep + 1e-9)
        << i;
  }
}

double OffCircle(Point2 p, Point2 c, double radius) {
  return std::fabs(std::hypot(p.x - c.x, p.y - c.y) - radius);
}

const double kQuarterWeight = std::sqrt(0.5);

INSTANTIATE_TEST_SUITE_P(
    Entities, DxfCurvesTest,
    ::testing::Values(
        // A semicircle below the chord from (0, 0) to (100, 0): bulge 1, anticlockwise.
        CurveCase{"BulgeOnItsOwn", LwPolyline("0", {{0, 0}, {100, 0}}, false, {1.0}),
                  [](Point2 p) {
                    return p.y > 1e-9 ? 1.0 : OffCircle(p, {50, 0}, 50);
                  },
                  2.0, 79},
        // Straight runs of 0.5 mm set the spacing of the arc between them; bulge -0.5 turns clockwise.
        CurveCase{
            "BulgeAmongHalfMillimetreSteps",
            LwPolyline("0", {{-1, 0}, {-0.5, 0}, {0, 0}, {60, 0}, {60.5, 0}}, false, {0, 0, -0.5, 0, 0}),
            [](Point2 p) {
              return p.x <= 0 || p.x >= 60 ? std::fabs(p.y) : OffCircle(p, {30, -22.5}, 37.5);
            },
            0.5, 130},
        CurveCase{"ArcAcrossZeroDegrees", Arc("0", {10, 20}, 80, 300, 60),
                  [](Point2 p) {
                    return p.x < 10 ? 1.0 : OffCircle(p, {10, 20}, 80);
                  },
                  2.0, 84},
        CurveCase{"MirroredArc", Arc("0", {10, 20}, 80, 300, 60, true),
                  [](Point2 p) {
                    return p.x > -10 ? 1.0 : OffCircle(p, {-10, 20}, 80);
                  },
                  2.0, 84},
        CurveCase{"WholeEllipseTurned", Ellipse("0", {5, 5}, {0, 200}, 0.5, 0, 2 * 3.141592653589793),
                  [](Point2 p) { return std::fabs(std::hypot((p.x - 5) / 100, (p.y - 5) / 200) - 1.0); }, 2.0,
                  600},
        // A rational quadratic: exactly a quarter circle of radius 100.
        CurveCase{
            "RationalSplineQuarterCircle",
            Spline("0", 2, {0, 0, 0, 1, 1, 1}, {{100, 0}, {100, 100}, {0, 100}}, {1, kQuarterWeight, 1}),
            [](Point2 p) {
              return OffCircle(p, {0, 0}, 100);
            },
            2.0, 79}),
    [](const ::testing::TestParamInfo<CurveCase>& info) { return info.param.name; });

struct BadDxf {
  std::string name;
  std::string text;
  std::string message;
};
void PrintTo(const BadDxf& c, std::ostream* os) {
  *os << c.name;
}

class DxfBadTest : public ::testing::TestWithParam<BadDxf> {};

TEST_P(DxfBadTest, OneLineError) {
  const Result<PointSet> r = Read(GetParam().text);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.error().message.find(GetParam().message), std::string::npos) << r.error().message;
  EXPECT_EQ(r.error().message.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DxfBadTest,
    ::testing::Values(
        BadDxf{"NoEntities", Header(4) + Groups({{0, "EOF"}}), "no ENTITIES section"},
        BadDxf{"EmptyEntities", Header(4) + Entities(""),
               "no LINE, POLYLINE, LWPOLYLINE, ARC, ELLIPSE or SPLINE"},
        BadDxf{"OnlyCircles", Entities(Groups({{0, "CIRCLE"}, {10, "1"}, {20, "1"}, {40, "2"}})), "no LINE"},
        BadDxf{"UnknownUnit", Header(3) + Entities(Line("0", {1, 1}, {2, 2})), "$INSUNITS 3"},
        BadDxf{"NotANumber", Entities(Groups({{0, "LINE"}, {10, "abc"}, {20, "0"}})),
               "'abc' is not a finite"},
        BadDxf{"NaNBulge", Entities(Groups({{0, "LWPOLYLINE"}, {10, "0"}, {20, "0"}, {42, "nan"}})),
               "line 12: group 42: 'nan' is not a finite number"},
        BadDxf{"BadGroupCode", "0\nSECTION\nxx\nENTITIES\n", "line 3: not a DXF group code"},
        BadDxf{"CodeWithoutValue", "0\nSECTION\n2", "group code without a value"},
        BadDxf{"Binary", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), "binary DXF"},
        BadDxf{"HugeArc", Header(4) + Entities(Arc("0", {0, 0}, 1e12, 0, 180)), "more than 200000 points"}),
    [](const ::testing::TestParamInfo<BadDxf>& info) { return info.param.name; });

TEST(DxfHostileTest, CountsAndBulgesDxflibWouldTrustAreRewritten) {
  // A vertex count of two thousand million, and a bulge before the first vertex: dxflib would size
  // an array from the first and write before it with the second. Both are dropped on the way in.
  const std::string dxf = Entities(Groups({{0, "LWPOLYLINE"},
                                           {8, "0"},
                                           {90, "2000000000"},
                                           {42, "0.5"},
                                           {10, "1"},
                                           {20, "2"},
                                           {10, "3"},
                                           {20, "4"}}));
  const Result<PointSet> r = Read(dxf, "", 1.0, 1.0);
  ASSERT_TRUE(r.ok()) << r.error().message;
  ASSERT_EQ(r->points.size(), 2u);
  EXPECT_EQ(r->points[1].x, 3.0);
  EXPECT_EQ(r->points[1].y, 4.0);
}

TEST(DxfHostileTest, SplineCountsAreTheTrueOnesAndABrokenSplineIsSkipped) {
  // Counts of a hundred million before three knots and no control point; then a spline whose knots
  // do not match its control points. dxflib would allocate and read by the counts.
  const std::string dxf = Header(4) + Entities(Groups({{0, "SPLINE"},
                                                       {71, "3"},
                                                       {72, "99999999"},
                                                       {73, "99999999"},
                                                       {74, "99999999"},
                                                       {40, "0"},
                                                       {40, "1"},
                                                       {40, "2"}}) +
                                               Spline("0", 3, {0, 1}, {{0, 0}, {1, 1}, {2, 0}, {3, 1}}, {}) +
                                               Line("0", {0, 0}, {50, 0}));
  const Result<PointSet> r = Read(dxf, "", 1.0);
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_EQ(r->points.size(), 2u);
  ASSERT_EQ(r->notes.size(), 1u);
  EXPECT_NE(r->notes[0].find("2 SPLINEs skipped"), std::string::npos) << r->notes[0];
}

TEST(DxfHostileTest, PolyfaceFaceRecordsAreNotPoints) {
  const std::string dxf = Entities(Groups({{0, "POLYLINE"},
                                           {70, "64"},
                                           {0, "VERTEX"},
                                           {70, "192"},
                                           {10, "1"},
                                           {20, "1"},
                                           {0, "VERTEX"},
                                           {70, "128"},
                                           {10, "0"},
                                           {20, "0"},
                                           {71, "1"},
                                           {0, "SEQEND"}}));
  const Result<PointSet> r = Read(dxf, "", 1.0, 1.0);
  ASSERT_TRUE(r.ok()) << r.error().message;
  ASSERT_EQ(r->points.size(), 1u);
  EXPECT_EQ(r->points[0].x, 1.0);
}

TEST(DxfDetectTest, KnowsADxfFromAStationTable) {
  EXPECT_TRUE(LooksLikeDxf("  0\r\nSECTION\r\n  2\r\nHEADER\r\n"));
  EXPECT_TRUE(LooksLikeDxf(std::string("AutoCAD Binary DXF\r\n\x1a\0", 22)));
  EXPECT_FALSE(LooksLikeDxf("0,0\n1,2\n"));
  EXPECT_FALSE(LooksLikeDxf("0\n1\n"));
  EXPECT_FALSE(LooksLikeDxf(""));
}

}  // namespace
