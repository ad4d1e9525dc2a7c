// Layout: the whole-pixel scale and offsets for a client area, the mapping and the angle step.
#include <climits>
#include <cmath>
#include <limits>
#include <ostream>

#include "geometry/shape_state.h"
#include "view_fixture.h"

namespace {

struct LayoutRow {
  const char* name;
  double length, lowerBout, waist, upperBout;
  int vertical;
  double scale, offsetX, offsetY;
};

// gtest prints a row by its name, not as bytes.
void PrintTo(const LayoutRow& row, std::ostream* os) {
  *os << row.name;
}

// 800 x 600 client: the small design (20, 8, 6) and the new design (49, 18.5, 14).
const LayoutRow kLayouts[] = {
    {"small horizontal", 20, 8, 5, 6, 0, 39, 10.5, 456.5},
    {"small vertical", 20, 8, 5, 6, 1, 29, 400.5, 10.5},
    {"new design horizontal", 49, 18.5, 12, 14, 0, 16, 8.5, 448.5},
    {"new design vertical", 49, 18.5, 12, 14, 1, 12, 400.5, 6.5},
    // maxHalf is the upper bout when it is the larger one.
    {"small, bouts swapped", 20, 6, 5, 8, 0, 39, 10.5, 456.5},
};

class LayoutTest : public ViewTest, public ::testing::WithParamInterface<LayoutRow> {};

TEST_P(LayoutTest, ScaleAndOffsetsForAn800By600Client) {
  const LayoutRow& row = GetParam();
  doc.m_length = row.length;
  doc.m_lowerBout = row.lowerBout;
  doc.m_waist = row.waist;
  doc.m_upperBout = row.upperBout;
  doc.m_a4 = doc.m_a6 = 0.0;
  Refit();
  view.m_vertical = row.vertical;
  Paint();
  EXPECT_EQ(view.m_scale, row.scale);
  EXPECT_EQ(view.m_offsetX, row.offsetX);
  EXPECT_EQ(view.m_offsetY, row.offsetY);
}

INSTANTIATE_TEST_SUITE_P(Examples, LayoutTest, ::testing::ValuesIn(kLayouts), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

TEST_F(ViewTest, TheWaistNeverEntersTheLayout) {
  doc.m_waist = 1000.0;  // the shape state keeps the fitted outline
  Paint();
  EXPECT_EQ(view.m_scale, 16);
  EXPECT_EQ(view.m_offsetY, 448.5);
}

TEST_F(ViewTest, EachPaintFitsTheClientAnew) {
  Paint(400, 300);
  const double small = view.m_scale;
  Paint(1600, 1200);
  EXPECT_EQ(view.m_scale, std::floor((1600 - 8) / 49.0));
  EXPECT_LT(small, view.m_scale);
}

TEST_F(ViewTest, WindowCoordinatesTruncateTowardZero) {
  view.m_scale = 1.0;
  view.m_offsetX = 0.0;
  view.m_offsetY = 0.0;
  EXPECT_EQ(view.WindowX(-0.7), 0);
  EXPECT_EQ(view.WindowX(0.7), 0);
  EXPECT_EQ(view.WindowX(-1.7), -1);
  EXPECT_EQ(view.WindowY(2.99), 2);
  view.m_scale = 16.0;
  view.m_offsetX = 8.5;
  view.m_offsetY = 448.5;
  EXPECT_EQ(view.WindowX(1.0), 24);
  EXPECT_EQ(view.WindowY(-1.0), 432);
}

TEST_F(ViewTest, WindowCoordinatesSaturateOutsideTheIntRange) {
  view.m_scale = 1.0;
  view.m_offsetX = 0.0;
  view.m_offsetY = 0.0;
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(view.WindowX(1e300), INT_MAX);
  EXPECT_EQ(view.WindowX(-1e300), INT_MIN);
  EXPECT_EQ(view.WindowX(inf), INT_MAX);
  EXPECT_EQ(view.WindowY(-inf), INT_MIN);
  EXPECT_EQ(view.WindowX(std::nan("")), 0);
  EXPECT_EQ(view.WindowX(2147483647.9), INT_MAX);
  EXPECT_EQ(view.WindowX(2147483648.0), INT_MAX);
  EXPECT_EQ(view.WindowX(-2147483648.9), INT_MIN);
  EXPECT_EQ(view.WindowX(-2147483647.5), -2147483647);
  view.m_scale = std::nan("");
  EXPECT_EQ(view.WindowY(1.0), 0);
}

// A half circle of radius a0 (a1..a6 = 0, vertical scale 1): its side length with 1-degree chords
// is 360 a0 sin(0.5 degree).
void MakeHalfCircle(double radius) {
  for (double& a : g_shapeState.coeff) a = 0.0;
  g_shapeState.coeff[0] = radius;
  g_shapeState.verticalScale = 1.0;
}

double HalfCircleSide(double radius) {
  return 360.0 * radius * std::sin(0.5 * 3.141592653589793 / 180.0);
}

TEST_F(ViewTest, AngleStepGivesAboutOneSegmentPerPixelAndAtMostOneDegree) {
  MakeHalfCircle(10.0);  // side about 31.4155
  EXPECT_EQ(view.AngleStep(39.0), 180.0 / std::ceil(HalfCircleSide(10.0) * 39.0));
  EXPECT_EQ(view.AngleStep(39.0), 180.0 / 1226.0);
  MakeHalfCircle(9.549);  // side about 29.999
  EXPECT_EQ(view.AngleStep(39.0), 180.0 / 1170.0);
  MakeHalfCircle(1.0 / 3.14155);  // side about 1: 180 segments would be coarser than 1 degree allows
  EXPECT_EQ(view.AngleStep(1.0), 1.0);
  EXPECT_EQ(view.AngleStep(0.0), 1.0);  // N = 0
}

}  // namespace
