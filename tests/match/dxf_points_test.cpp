// The DXF point reader: entities, layers and units as CAD programs write them, and the hostile
// group values that dxflib itself would trust.
#include "match/dxf_points.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "match/dxf_groups.h"

namespace {

std::string Groups(const std::vector<std::pair<int, std::string>>& groups) {
  std::string s;
  for (const auto& g : groups) s += std::to_string(g.first) + "\n" + g.second + "\n";
  return s;
}

std::string Header(int insUnits) {
  if (insUnits < 0) return Groups({{0, "SECTION"}, {2, "HEADER"}, {0, "ENDSEC"}});
  return Groups({{0, "SECTION"},
                 {2, "HEADER"},
                 {9, "$ACADVER"},
                 {1, "AC1015"},
                 {9, "$INSUNITS"},
                 {70, std::to_string(insUnits)},
                 {0, "ENDSEC"}});
}

std::string Entities(const std::string& body) {
  return Groups({{0, "SECTION"}, {2, "ENTITIES"}}) + body + Groups({{0, "ENDSEC"}, {0, "EOF"}});
}

std::string Line(const std::string& layer, double x1, double y1, double x2, double y2) {
  return Groups({{0, "LINE"},
                 {8, layer},
                 {10, std::to_string(x1)},
                 {20, std::to_string(y1)},
                 {30, "0"},
                 {11, std::to_string(x2)},
                 {21, std::to_string(y2)},
                 {31, "0"}});
}

std::string LwPolyline(const std::string& layer, const std::vector<std::pair<double, double>>& v) {
  std::string s = Groups({{0, "LWPOLYLINE"}, {8, layer}, {90, std::to_string(v.size())}, {70, "1"}});
  for (const auto& p : v) s += Groups({{10, std::to_string(p.first)}, {20, std::to_string(p.second)}});
  return s;
}

std::string Polyline(const std::string& layer, const std::vector<std::pair<double, double>>& v) {
  std::string s =
      Groups({{0, "POLYLINE"}, {8, layer}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "0"}});
  for (const auto& p : v)
    s += Groups({{0, "VERTEX"},
                 {8, layer},
                 {10, std::to_string(p.first)},
                 {20, std::to_string(p.second)},
                 {30, "0"}});
  return s + Groups({{0, "SEQEND"}, {8, layer}});
}

TEST(DxfPointsTest, ReadsLinesPolylinesAndLightweightPolylines) {
  const std::string dxf =
      Header(5) + Entities(Line("a", 0, 0, 1, 1) + Line("a", 1, 1, 2, 0) + Polyline("b", {{3, 3}, {4, 4}}) +
                           LwPolyline("c", {{5, 5}, {6, 6}, {7, 7}}) +
                           Groups({{0, "CIRCLE"}, {8, "a"}, {10, "9"}, {20, "9"}, {40, "1"}}));
  const PointReadResult r = ReadDxfPoints(dxf, "", 10.0);  // cm file into cm
  ASSERT_TRUE(r.ok()) << r.error;
  const std::vector<std::pair<double, double>> want = {{0, 0}, {1, 1}, {2, 0}, {3, 3},
                                                       {4, 4}, {5, 5}, {6, 6}, {7, 7}};
  ASSERT_EQ(r.points.size(), want.size()) << "the shared LINE end once, no circle, no POLYLINE base point";
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(r.points[i].x, want[i].first) << i;
    EXPECT_EQ(r.points[i].y, want[i].second) << i;
  }
  EXPECT_EQ(r.note, "");
}

TEST(DxfPointsTest, OneLayerOnlyWhenAsked) {
  const std::string dxf = Header(4) + Entities(Line("Outline", 0, 0, 10, 0) + Line("other", 50, 50, 60, 60) +
                                               LwPolyline("OUTLINE", {{20, 5}}));
  const PointReadResult r = ReadDxfPoints(dxf, "outline", 10.0);
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_EQ(r.points.size(), 3u) << "layer names compare without case";
  EXPECT_EQ(r.points[2].x, 2.0);

  const PointReadResult none = ReadDxfPoints(dxf, "frets", 10.0);
  EXPECT_FALSE(none.ok());
  EXPECT_NE(none.error.find("layer 'frets'"), std::string::npos) << none.error;
  EXPECT_NE(none.error.find("Outline"), std::string::npos)
      << "the layers that exist are named: " << none.error;
}

struct UnitCase {
  std::string name;
  int insUnits;
  double unitMm;
  double want;  // x of a point at 254 file units
};
void PrintTo(const UnitCase& c, std::ostream* os) {
  *os << c.name;
}

class DxfUnitsTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(DxfUnitsTest, ConvertsIntoTheDesignUnit) {
  const UnitCase& c = GetParam();
  const PointReadResult r =
      ReadDxfPoints(Header(c.insUnits) + Entities(Line("0", 254, 0, 0, 0)), "", c.unitMm);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_DOUBLE_EQ(r.points[0].x, c.want);
  EXPECT_EQ(r.note.empty(), c.insUnits > 0) << r.note;
}

INSTANTIATE_TEST_SUITE_P(Units, DxfUnitsTest,
                         ::testing::Values(UnitCase{"MillimetresIntoCm", 4, 10.0, 25.4},
                                           UnitCase{"MillimetresIntoIn", 4, 25.4, 10.0},
                                           UnitCase{"InchesIntoCm", 1, 10.0, 645.16},
                                           UnitCase{"InchesIntoIn", 1, 25.4, 254.0},
                                           UnitCase{"CentimetresIntoCm", 5, 10.0, 254.0},
                                           UnitCase{"MetresIntoCm", 6, 10.0, 25400.0},
                                           UnitCase{"UnitlessIsMillimetres", 0, 10.0, 25.4},
                                           UnitCase{"NoHeaderIsMillimetres", -1, 10.0, 25.4}),
                         [](const ::testing::TestParamInfo<UnitCase>& info) { return info.param.name; });

struct BadDxf {
  std::string name;
  std::string text;
  std::string message;
};
void PrintTo(const BadDxf& c, std::ostream* os) {
  *os << c.name;
}

class DxfBadTest : public ::testing::TestWithParam<BadDxf> {};

TEST_P(DxfBadTest, OneLineErrorAndNoPoints) {
  const PointReadResult r = ReadDxfPoints(GetParam().text, "", 10.0);
  EXPECT_FALSE(r.ok());
  EXPECT_TRUE(r.points.empty());
  EXPECT_NE(r.error.find(GetParam().message), std::string::npos) << r.error;
  EXPECT_EQ(r.error.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DxfBadTest,
    ::testing::Values(
        BadDxf{"NoEntities", Header(4) + Groups({{0, "EOF"}}), "no ENTITIES section"},
        BadDxf{"EmptyEntities", Header(4) + Entities(""), "no LINE, POLYLINE or LWPOLYLINE points"},
        BadDxf{"OnlyCircles", Entities(Groups({{0, "CIRCLE"}, {10, "1"}, {20, "1"}, {40, "2"}})), "no LINE"},
        BadDxf{"UnknownUnit", Header(3) + Entities(Line("0", 1, 1, 2, 2)), "$INSUNITS 3"},
        BadDxf{"NotANumber", Entities(Groups({{0, "LINE"}, {10, "abc"}, {20, "0"}})),
               "'abc' is not a finite"},
        BadDxf{"NaNCoordinate", Entities(Groups({{0, "LINE"}, {10, "nan"}, {20, "0"}})),
               "not a finite number"},
        BadDxf{"BadGroupCode", "0\nSECTION\nxx\nENTITIES\n", "line 3: not a DXF group code"},
        BadDxf{"CodeWithoutValue", "0\nSECTION\n2", "group code without a value"},
        BadDxf{"Binary", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), "binary DXF"}),
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
                                           {42, "1"},
                                           {10, "3"},
                                           {20, "4"}}));
  const PointReadResult r = ReadDxfPoints(dxf, "", 1.0);
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_EQ(r.points.size(), 2u);
  EXPECT_EQ(r.points[1].x, 3.0);
  EXPECT_EQ(r.points[1].y, 4.0);
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
  const PointReadResult r = ReadDxfPoints(dxf, "", 1.0);
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_EQ(r.points.size(), 1u);
  EXPECT_EQ(r.points[0].x, 1.0);
}

TEST(DxfDetectTest, KnowsADxfFromAStationTable) {
  EXPECT_TRUE(LooksLikeDxf("  0\r\nSECTION\r\n  2\r\nHEADER\r\n"));
  EXPECT_TRUE(LooksLikeDxf(std::string("AutoCAD Binary DXF\r\n\x1a\0", 22)));
  EXPECT_FALSE(LooksLikeDxf("0,0\n1,2\n"));
  EXPECT_FALSE(LooksLikeDxf("0\n1\n"));
  EXPECT_FALSE(LooksLikeDxf(""));
}

}  // namespace
