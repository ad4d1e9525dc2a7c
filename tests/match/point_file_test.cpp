// A point file as a whole: which reader, the points' unit into the design's, the extent that gives
// a wrong unit away, and the size bound.
#include "match/point_file.h"

#include <gtest/gtest.h>

#include <string>

#include "dxf_test_files.h"

namespace {

struct UnitRow {
  std::string name;
  std::string text;
  bool dxfName;
  double designMm;
  std::optional<double> pointsMm;
  double x;         // the first point's x, in the design's unit
  double extentMm;  // the points' larger side
};
void PrintTo(const UnitRow& r, std::ostream* os) {
  *os << r.name;
}

class PointFileTest : public ::testing::TestWithParam<UnitRow> {};

TEST_P(PointFileTest, ReadsThePointsInTheDesignsUnit) {
  const UnitRow& row = GetParam();
  const Result<PointSet> r = ReadPointFile(row.text, {row.dxfName, "", row.designMm, row.pointsMm});
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_DOUBLE_EQ(r->points[0].x, row.x);
  EXPECT_DOUBLE_EQ(r->extentMm, row.extentMm);
}

const std::string kMetreDxf =
    Header(6) + Entities(Line("0", {0, 0}, {480, 0}) + Line("0", {480, 0}, {480, 180}));

INSTANTIATE_TEST_SUITE_P(
    Files, PointFileTest,
    ::testing::Values(UnitRow{"TextInTheDesignsUnit", "48,0\n0,18\n", false, 10.0, {}, 48.0, 480.0},
                      UnitRow{"TextInMillimetresIntoCm", "480,0\n0,180\n", false, 10.0, 1.0, 48.0, 480.0},
                      UnitRow{"TextInMetresIntoIn", "0.254,0\n0,0.1\n", false, 25.4, 1000.0, 10.0, 254.0},
                      // $INSUNITS says metres: a body 480 m long, unless the user says millimetres.
                      UnitRow{"DxfTakenAtItsWord", kMetreDxf, false, 10.0, {}, 0.0, 480000.0},
                      UnitRow{"DxfInTheUnitGiven", kMetreDxf, true, 10.0, 1.0, 0.0, 480.0}),
    [](const ::testing::TestParamInfo<UnitRow>& info) { return info.param.name; });

TEST(PointFileExtentTest, OnlyABodysSizeIsPlausible) {
  EXPECT_TRUE(ImplausibleBodyExtent(99.0));
  EXPECT_FALSE(ImplausibleBodyExtent(100.0));
  EXPECT_FALSE(ImplausibleBodyExtent(480.0));
  EXPECT_FALSE(ImplausibleBodyExtent(2000.0));
  EXPECT_TRUE(ImplausibleBodyExtent(2001.0));
}

TEST(PointFileLimitTest, AFileOverTheBoundIsRefusedWhole) {
  const std::string big(kMaxPointFileBytes + 1, '\n');
  const Result<PointSet> r = ReadPointFile(big, {});
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.error().message.find("larger than 32 MB"), std::string::npos) << r.error().message;
}

}  // namespace
