// Soundhole and fingerboard: fret positions and widths, which frets are drawn, the saddle line,
// the edges, the white-filled hole and the centre cross.
#include <cmath>

#include "geometry/fret_layout.h"
#include "geometry/fretboard.h"
#include "view_fixture.h"

namespace {

// The new design horizontally in 800 x 600: 16 pixels per unit, x 8.5 and y 448.5 at the origin.
int X(double model) {
  return Pixel(model, 16, 8.5);
}
int Y(double model) {
  return Pixel(model, 16, 448.5);
}
constexpr int kCentreY = 448;

TEST_F(ViewTest, FretPositionsAndWidthsForJointFret12) {
  DefineHole(12, 12.0, 8.8);
  EXPECT_EQ(view.FretPosition(12), 0.0);
  EXPECT_NEAR(view.FretPosition(13), 1.824, 5e-4);
  EXPECT_NEAR(view.FingerboardWidth(view.FretPosition(13)), 6.256, 5e-4);
  EXPECT_NEAR(view.FretPosition(19), 10.809, 5e-4);
  EXPECT_NEAR(view.FretPosition(20), 12.026, 5e-4);
  EXPECT_EQ(view.FretPosition(0) + 65.0, 32.5);
  EXPECT_NEAR(view.FingerboardWidth(32.5), 7.2, 1e-12);
  EXPECT_NEAR(view.FingerboardWidth(view.FretPosition(0)), 5.2, 1e-12);
  // The view's members are the shared functions on the document's values.
  EXPECT_EQ(view.FretPosition(17.0), FretPosition(17.0, 12, 65.0));
}

TEST_F(ViewTest, FretPositionsAndWidthsForJointFret14) {
  DefineHole(14, 12.0, 8.8);
  EXPECT_NEAR(view.FretPosition(0), -36.046, 5e-4);
  EXPECT_NEAR(view.FretPosition(23), 11.738, 5e-4);
  EXPECT_NEAR(view.FretPosition(24), 12.704, 5e-4);
  const double saddle = view.FretPosition(0) + 65.0;
  EXPECT_NEAR(saddle, 28.954, 5e-4);
  EXPECT_NEAR(view.FingerboardWidth(saddle), 7.003, 5e-4);
  EXPECT_NEAR(view.FretPosition(12), -3.546, 5e-4);
  EXPECT_NEAR(view.FingerboardWidth(view.FretPosition(12)), 6.102, 5e-4);
  EXPECT_NEAR(view.FingerboardWidth(0.0), 6.2, 1e-12);
}

class FretCount : public ViewTest {
 protected:
  // LineTo calls for frets: a paint with the fingerboard less one whose hole lies before fret j + 1
  // (which draws no fret, the same saddle, edges and cross).
  long long FretsDrawn(int jointFret, double position) {
    view.m_showFingerboard = 1;
    DefineHole(jointFret, position, 0.5);
    const long long with = CountLines();
    DefineHole(jointFret, view.FretPosition(jointFret + 1), 0.5);
    return with - CountLines();
  }
};

TEST_F(FretCount, FretsFromTheJointFretUpToTheHole) {
  EXPECT_EQ(FretsDrawn(12, 12.0), 7);  // frets 13..19
  EXPECT_EQ(FretsDrawn(14, 12.0), 9);  // frets 15..23
}

// The shared fret layout's bounds: 36 frets past the joint fret at most, and a hole that is not a
// number lies before every fret.
TEST_F(FretCount, AHoleBeyondTheSaddleStopsTheWalkAfterAFixedNumberOfFrets) {
  EXPECT_EQ(FretsDrawn(12, 1e6), kMaxFretsOverBody);
  EXPECT_EQ(FretsDrawn(12, std::nan("")), 0);
}

// A small hole (diameter 0.5) keeps every fret in sight.
TEST_F(ViewTest, FretsSaddleAndEdgesInThePicture) {
  view.m_showFingerboard = 1;
  DefineHole(12, 12.0, 0.5);
  const QImage image = Paint();
  for (int n = 13; n <= 19; ++n) {
    const int x = X(view.FretPosition(n));
    const int halfWidth = static_cast<int>(view.FingerboardWidth(view.FretPosition(n)) / 2 * 16);
    for (int dy = -halfWidth + 2; dy <= halfWidth - 2; dy += 4)
      ASSERT_EQ(image.pixel(x, kCentreY + dy), kBlack) << "fret " << n << " dy " << dy;
    EXPECT_NE(image.pixel(x, kCentreY - halfWidth - 3), kBlack) << "fret " << n << " ends at its width";
  }
  // Fret 20 is where the edges end; it is not drawn across.
  const int x20 = X(view.FretPosition(20));
  EXPECT_NE(image.pixel(x20, kCentreY - 20), kBlack);
  EXPECT_NE(image.pixel(x20, kCentreY + 20), kBlack);

  // Saddle at 32.5, half-width 3.6.
  const int xs = X(32.5);
  EXPECT_EQ(xs, 528);
  EXPECT_EQ(image.pixel(xs, kCentreY - 57), kBlack);
  EXPECT_EQ(image.pixel(xs, kCentreY + 56), kBlack);
  EXPECT_NE(image.pixel(xs, kCentreY - 60), kBlack);
  EXPECT_NE(image.pixel(xs, kCentreY + 60), kBlack);

  // Each edge passes within a pixel of the taper up to fret 20 and stops there.
  auto edgeNear = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      if (image.pixel(x, y + dy) == kBlack) return true;
    return false;
  };
  for (int x = 10; x < x20 - 1; ++x) {
    const double halfWidth = view.FingerboardWidth((x - 8.5) / 16) / 2;
    EXPECT_TRUE(edgeNear(x, Y(-halfWidth))) << "upper edge at x " << x;
    EXPECT_TRUE(edgeNear(x, Y(halfWidth))) << "lower edge at x " << x;
  }
  for (int x = x20 + 2; x < x20 + 60; ++x) {
    const double halfWidth = view.FingerboardWidth((x - 8.5) / 16) / 2;
    EXPECT_FALSE(edgeNear(x, Y(-halfWidth))) << "no edge beyond fret 20 at x " << x;
  }
}

TEST_F(ViewTest, WithTheFingerboardTheWhiteHoleHidesWhatLiesInside) {
  view.m_showFingerboard = 1;
  DefineHole(12, 12.0, 8.8);
  const QImage image = Paint();
  const int cx = X(12.0), cy = kCentreY;
  ASSERT_EQ(cx, 200);
  const int inner = static_cast<int>(4.4 * 16) - 3;
  // The cross: arms of 0.44 along and across the axis.
  const int alongFrom = X(12.0 - 0.44), alongTo = X(12.0 + 0.44);
  const int acrossFrom = Y(-0.44), acrossTo = Y(0.44);
  for (int y = cy - inner; y <= cy + inner; ++y)
    for (int x = cx - inner; x <= cx + inner; ++x) {
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > inner * inner) continue;
      const bool onCross =
          (y == cy && x >= alongFrom && x <= alongTo) || (x == cx && y >= acrossFrom && y <= acrossTo);
      if (!onCross) {
        ASSERT_EQ(image.pixel(x, y), kWhite) << x << "," << y;
      }
    }
  for (int x = alongFrom; x < alongTo; ++x) EXPECT_EQ(image.pixel(x, cy), kBlack) << x;
  for (int y = acrossFrom; y < acrossTo; ++y) EXPECT_EQ(image.pixel(cx, y), kBlack) << y;
  EXPECT_NE(image.pixel(alongFrom - 2, cy), kBlack);
  EXPECT_NE(image.pixel(cx, acrossFrom - 2), kBlack);
  // The rim is black.
  EXPECT_EQ(image.pixel(X(12.0 + 4.4) - 1, cy - 1), kBlack);
  EXPECT_EQ(image.pixel(X(12.0 - 4.4), cy - 1), kBlack);
}

TEST_F(ViewTest, WithoutTheFingerboardTheHoleIsHollow) {
  DefineHole(12, 12.0, 8.8);
  const QImage image = Paint();
  EXPECT_EQ(image.pixel(184, 470), kGrey);                          // grid column inside the hole
  EXPECT_EQ(image.pixel(215, 432), kGrey);                          // grid row inside the hole
  EXPECT_EQ(image.pixel(215, kCentreY), kBlack);                    // the centreline
  EXPECT_EQ(image.pixel(X(12.0 + 4.4) - 1, kCentreY - 1), kBlack);  // the rim
  // No frets: the fingerboard is off.
  EXPECT_NE(image.pixel(X(view.FretPosition(14)), kCentreY - 20), kBlack);
}

TEST_F(ViewTest, WithoutASoundholeNothingOfItIsDrawnWhateverTheFingerboardFlag) {
  const QImage plain = Paint();
  DefineHole(12, 12.0, 8.8);
  doc.m_holeDefined = 0;
  view.m_showFingerboard = 1;
  EXPECT_EQ(Paint(), plain);
}

TEST_F(ViewTest, AHoleNotBeyondTheNextFretDrawsNoFretAndEdgesToThatFret) {
  view.m_showFingerboard = 1;
  DefineHole(12, 1.0, 0.5);  // fret 13 lies at 1.824
  const QImage image = Paint();
  const int x13 = X(view.FretPosition(13));
  const double halfWidth = view.FingerboardWidth(view.FretPosition(13)) / 2;
  EXPECT_NE(image.pixel(x13, kCentreY - 20), kBlack);
  EXPECT_EQ(image.pixel(x13 - 2, Y(-halfWidth)), kBlack);
  EXPECT_NE(image.pixel(x13 + 3, Y(-halfWidth)), kBlack);
}

TEST_F(ViewTest, VerticallyFretsRunAcrossTheAxis) {
  view.m_vertical = 1;
  view.m_showFingerboard = 1;
  DefineHole(12, 12.0, 8.8);
  const QImage image = Paint();
  // 12 pixels per unit; the axis at x 400, the neck end at y 6.
  const int y13 = Pixel(view.FretPosition(13), 12, 6.5);
  EXPECT_EQ(image.pixel(380, y13), kBlack);
  EXPECT_EQ(image.pixel(420, y13), kBlack);
  const int holeY = Pixel(12.0, 12, 6.5);
  EXPECT_EQ(image.pixel(Pixel(-4.4, 12, 400.5), holeY), kBlack);  // the rim
  EXPECT_EQ(image.pixel(370, holeY + 10), kWhite);                // inside, over the grid
  EXPECT_EQ(image.pixel(398, holeY), kBlack);                     // the cross across the axis
  EXPECT_EQ(image.pixel(400, holeY + 20), kWhite);                // the centreline is hidden
}

}  // namespace
