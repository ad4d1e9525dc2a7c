// The candidate outline: its curve agrees with the geometry's, its derivatives with respect to the
// eight values agree with refits of slightly changed values, and non-bodies are refused.
#include "match/outline_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/fit_shape.h"
#include "match_samples.h"

namespace {

constexpr double kPi = 3.141592653589793;

class OutlineModelTest : public ::testing::TestWithParam<TestDesign> {};

TEST_P(OutlineModelTest, TheCurveIsTheGeometrysOutline) {
  OutlineModel m;
  ASSERT_TRUE(FitOutlineModel(GetParam().values, &m));
  const FittedOutline outline = FitOutline(DesignShape::FromArray(GetParam().values));
  for (double t = 0.0; t <= 180.0; t += 2.5) {
    CurvePoint c;
    EvaluateCurve(m, t * kPi / 180.0, &c);
    EXPECT_NEAR(c.x, outline.X(t), 1e-13 * GetParam().values[0]) << t;
    EXPECT_NEAR(c.y, outline.Y(t), 1e-13 * GetParam().values[0]) << t;
    // The derivatives in t against central differences of the curve itself.
    const double h = 1e-5;
    CurvePoint a, b;
    EvaluateCurve(m, t * kPi / 180.0 - h, &a);
    EvaluateCurve(m, t * kPi / 180.0 + h, &b);
    EXPECT_NEAR(c.dx, (b.x - a.x) / (2 * h), 1e-6 * GetParam().values[0]);
    EXPECT_NEAR(c.dy, (b.y - a.y) / (2 * h), 1e-6 * GetParam().values[0]);
    EXPECT_NEAR(c.ddx, (b.dx - a.dx) / (2 * h), 1e-6 * GetParam().values[0]);
    EXPECT_NEAR(c.ddy, (b.dy - a.dy) / (2 * h), 1e-6 * GetParam().values[0]);
  }
}

TEST_P(OutlineModelTest, SensitivitiesMatchRefitsOfNearbyValues) {
  OutlineModel m;
  const DesignValues v = GetParam().values;
  ASSERT_TRUE(FitOutlineModel(v, &m));
  for (int j = 0; j < 8; ++j) {
    const double h = 1e-6 * v[0];
    DesignValues up = v, down = v;
    up[j] += h;
    down[j] -= h;
    OutlineModel mu, md;
    ASSERT_TRUE(FitOutlineModel(up, &mu));
    ASSERT_TRUE(FitOutlineModel(down, &md));
    for (double t : {0.0, 40.0, 95.0, 140.0, 180.0}) {
      CurvePoint c, cu, cd;
      const double rad = t * kPi / 180.0;
      EvaluateCurve(m, rad, &c);
      EvaluateCurve(mu, rad, &cu);
      EvaluateCurve(md, rad, &cd);
      double dx[8], dy[8];
      CurveSensitivity(m, c, dx, dy);
      // The refits may settle their bout angles a step of 0.0006 degree apart: a change of second
      // order in the widths, which the tolerance covers.
      EXPECT_NEAR(dx[j], (cu.x - cd.x) / (2 * h), 2e-4) << kDesignShapeNames[j] << " at " << t;
      EXPECT_NEAR(dy[j], (cu.y - cd.y) / (2 * h), 2e-4) << kDesignShapeNames[j] << " at " << t;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, OutlineModelTest, ::testing::ValuesIn(TestDesigns()),
                         [](const ::testing::TestParamInfo<TestDesign>& info) { return info.param.name; });

struct NotABody {
  std::string name;
  DesignValues values;
};
void PrintTo(const NotABody& c, std::ostream* os) {
  *os << c.name;
}

class OutlineModelRefusesTest : public ::testing::TestWithParam<NotABody> {};

TEST_P(OutlineModelRefusesTest, IsNotACandidate) {
  OutlineModel m;
  EXPECT_FALSE(FitOutlineModel(GetParam().values, &m));
}

INSTANTIATE_TEST_SUITE_P(
    Values, OutlineModelRefusesTest,
    ::testing::Values(NotABody{"WaistAsWideAsTheLowerBout", {49, 12, 12, 14, 0, -0.25, 0, -0.5}},
                      NotABody{"WaistWiderThanTheUpperBout", {49, 18.5, 15, 14, 0, -0.25, 0, -0.5}},
                      NotABody{"ZeroWidths", {49, 0, 0, 0, 0, -0.25, 0, -0.5}},
                      NotABody{"NegativeLength", {-49, 18.5, 12, 14, 0, -0.25, 0, -0.5}},
                      NotABody{"NotFinite", {49, 18.5, 12, NAN, 0, -0.25, 0, -0.5}},
                      NotABody{"FitShapeExceedsItsPassLimit",
                               {49, 18.5, 12, 14, 0.96381434936382959, -1.2090282080487829,
                                -0.32319299558115577, -1.6672527085208155}}),
    [](const ::testing::TestParamInfo<NotABody>& info) { return info.param.name; });

}  // namespace
