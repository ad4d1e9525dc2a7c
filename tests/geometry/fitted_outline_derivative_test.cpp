// The outline's derivatives and curvature against independent facts: central differences of the
// curve itself, and the curvature of a circle and of an ellipse at its vertices.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/fitted_outline.h"
#include "geometry/outline.h"
#include "shape_state_fixture.h"

namespace {

struct Design {
  const char* name;
  std::initializer_list<double> coeff;
  double verticalScale;
};

void PrintTo(const Design& d, std::ostream* os) {
  *os << d.name;
}

const Design kDesigns[] = {
    {"Circle", {10.0}, 1.0},
    {"DefaultFit",
     {17.373995133296262, 3.4555738084718297, 7.8760048667037381, 0, -0.25, 0, -0.5},
     0.7673657025736742},
    {"AllSixTerms", {6.86, 1.2, 3.07, 0.3, -0.7, 1.1, -0.18}, 0.77},
};

class OutlineDerivativeTest : public FreshShapeState, public ::testing::WithParamInterface<Design> {
 protected:
  void SetUp() override {
    FreshShapeState::SetUp();
    SetOutline(GetParam().coeff, GetParam().verticalScale);
  }
};

}  // namespace

TEST_P(OutlineDerivativeTest, MatchesCentralDifferencesOfTheCurve) {
  const double h = 1e-3;  // degrees; the fourth-order difference leaves an error far below the bound
  for (double t = 0.0; t <= 360.0; t += 7.5) {
    const double dx =
        (-OutlineX(t + 2 * h) + 8 * OutlineX(t + h) - 8 * OutlineX(t - h) + OutlineX(t - 2 * h)) / (12 * h);
    const double dy =
        (-OutlineY(t + 2 * h) + 8 * OutlineY(t + h) - 8 * OutlineY(t - h) + OutlineY(t - 2 * h)) / (12 * h);
    const Point2 d = g_shapeState.Derivative(t);
    EXPECT_NEAR(d.x, dx, 1e-8) << "t " << t;
    EXPECT_NEAR(d.y, dy, 1e-8) << "t " << t;

    const Point2 e = g_shapeState.SecondDerivative(t);
    const Point2 up = g_shapeState.Derivative(t + h), down = g_shapeState.Derivative(t - h);
    EXPECT_NEAR(e.x, (up.x - down.x) / (2 * h), 1e-8) << "t " << t;
    EXPECT_NEAR(e.y, (up.y - down.y) / (2 * h), 1e-8) << "t " << t;
  }
}

TEST_P(OutlineDerivativeTest, CurvatureIsTheTurningOfTheTangentPerArcLength) {
  // Angle of the chord-to-chord turn over a short arc, divided by the arc's length.
  const double h = 1e-3;
  for (double t = 3.0; t < 180.0; t += 11.0) {
    const double a0 = std::atan2(OutlineY(t) - OutlineY(t - h), OutlineX(t) - OutlineX(t - h));
    const double a1 = std::atan2(OutlineY(t + h) - OutlineY(t), OutlineX(t + h) - OutlineX(t));
    const double arc = std::hypot(OutlineX(t + h) - OutlineX(t - h), OutlineY(t + h) - OutlineY(t - h));
    const double k = std::remainder(a1 - a0, 2 * 3.141592653589793) / (arc / 2);
    EXPECT_NEAR(g_shapeState.Curvature(t), k, 1e-5 * (1.0 + std::fabs(k))) << "t " << t;
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, OutlineDerivativeTest, ::testing::ValuesIn(kDesigns),
                         [](const ::testing::TestParamInfo<Design>& info) {
                           return std::string(info.param.name);
                         });

using OutlineCurvatureTest = FreshShapeState;

TEST_F(OutlineCurvatureTest, CircleAndEllipseVertices) {
  SetOutline({10.0}, 1.0);
  for (double t : {0.0, 33.0, 90.0, 180.0, 271.0}) EXPECT_NEAR(g_shapeState.Curvature(t), 0.1, 1e-15) << t;

  // r = 10 stretched vertically by 1/S: an ellipse with semi-axes 10 along x and 10/S across.
  const double s = 0.8, a = 10.0, b = 10.0 / s;
  SetOutline({10.0}, s);
  EXPECT_NEAR(g_shapeState.Curvature(0.0), a / (b * b), 1e-15);
  EXPECT_NEAR(g_shapeState.Curvature(180.0), a / (b * b), 1e-15);
  EXPECT_NEAR(g_shapeState.Curvature(90.0), b / (a * a), 1e-15);
  // The tail end moves straight up, the neck end straight down, at r per radian.
  EXPECT_NEAR(g_shapeState.Derivative(0.0).x, 0.0, 1e-15);
  EXPECT_NEAR(g_shapeState.Derivative(0.0).y, b * 3.141592653589793 / 180.0, 1e-15);
  EXPECT_NEAR(g_shapeState.Derivative(180.0).y, -b * 3.141592653589793 / 180.0, 1e-15);
}
