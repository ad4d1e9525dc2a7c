// The picture of a valid fit: white background, grey grid at every unit, the black outline at
// the window points of the fitted curve, and the centreline. The expected points are computed
// here from the fitted curve and the layout's numbers, not through the view.
#include "geometry/outline.h"

#include <cmath>
#include <vector>

#include "framework/dc.h"
#include "geometry/fit_shape.h"
#include "geometry/side_length.h"
#include "view_fixture.h"

namespace {

struct Layout {
  double scale, offsetX, offsetY;
};
// The new design in an 800 x 600 client.
constexpr Layout kHorizontal{16, 8.5, 448.5};
constexpr Layout kVertical{12, 400.5, 6.5};

// The outline's window points P(t), t accumulated from 0 in steps of about one pixel.
std::vector<QPoint> OutlineVertices(const Layout& l, bool vertical) {
  double step = 180.0 / std::ceil(SideLength(1.0) * l.scale);
  if (step > 1.0) step = 1.0;
  std::vector<QPoint> points;
  for (double t = 0.0; t <= (vertical ? 360.0 : 180.0); t += step) {
    if (vertical)
      points.emplace_back(Pixel(OutlineY(t), l.scale, l.offsetX), Pixel(OutlineX(t), l.scale, l.offsetY));
    else
      points.emplace_back(Pixel(OutlineX(t), l.scale, l.offsetX), Pixel(-OutlineY(t), l.scale, l.offsetY));
  }
  return points;
}

TEST_F(ViewTest, OutlineVerticesAreBlackPixels) {
  for (int vertical : {0, 1}) {
    view.m_vertical = vertical;
    const QImage image = Paint();
    const std::vector<QPoint> points = OutlineVertices(vertical ? kVertical : kHorizontal, vertical);
    ASSERT_GT(points.size(), 500u);
    // The last point ends the polyline: a line leaves its end pixel unpainted.
    for (size_t i = 0; i + 1 < points.size(); ++i)
      ASSERT_EQ(image.pixel(points[i]), kBlack) << "vertical " << vertical << " vertex " << i;
  }
}

TEST_F(ViewTest, HorizontallyOnlyTheUpperHalfIsDrawnAboveTheCentreline) {
  const QImage image = Paint();
  const int centre = 448;
  for (int y = centre + 1; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ASSERT_NE(image.pixel(x, y), kBlack) << x << "," << y;
  // The centreline runs from the tail end P(0) at x 792 to the neck end P(180) at x 8.
  for (int x = 9; x <= 792; ++x) ASSERT_EQ(image.pixel(x, centre), kBlack) << x;
}

TEST_F(ViewTest, VerticallyTheWholeBodyStandsOnItsCentreline) {
  view.m_vertical = 1;
  const QImage image = Paint();
  const std::vector<QPoint> points = OutlineVertices(kVertical, true);
  int left = 0, right = 0;
  for (const QPoint& p : points) (p.x() < 400 ? left : right)++;
  EXPECT_GT(left, 200);
  EXPECT_GT(right, 200);
  // Centreline from the tail end (y 594) up to the neck end (y 6).
  for (int y = 7; y <= 594; ++y) ASSERT_EQ(image.pixel(400, y), kBlack) << y;
}

// Grid lines every `scale` pixels through the origin pixel, strictly inside the client (a line
// that would fall on its first row or column is not drawn), checked along a band where nothing
// else is drawn.
void ExpectGridColumns(const QImage& image, int origin, int scale, int y, int minX) {
  for (int x = minX; x < image.width(); ++x) {
    const bool gridLine = (x - origin) % scale == 0 && x > 0;
    ASSERT_EQ(image.pixel(x, y), gridLine ? kGrey : kWhite) << "x " << x << " y " << y;
  }
}

void ExpectGridRows(const QImage& image, int origin, int scale, int x, int minY) {
  for (int y = minY; y < image.height(); ++y) {
    const bool gridLine = (y - origin) % scale == 0 && y > 0;
    ASSERT_EQ(image.pixel(x, y), gridLine ? kGrey : kWhite) << "x " << x << " y " << y;
  }
}

TEST_F(ViewTest, GridLinesAtEveryUnitInBothDirections) {
  QImage image = Paint();
  ExpectGridColumns(image, 8, 16, 500, 0);  // below the centreline
  ExpectGridColumns(image, 8, 16, 599, 0);
  ExpectGridRows(image, 448, 16, 798, 30);  // right of the tail end, below the scale text
  ExpectGridRows(image, 448, 16, 799, 0);

  view.m_vertical = 1;
  image = Paint();
  ExpectGridColumns(image, 400, 12, 3, 40);  // above the neck end, right of the scale text
  ExpectGridRows(image, 6, 12, 101, 20);     // left of the body
  ExpectGridRows(image, 6, 12, 799, 0);
}

TEST_F(ViewTest, EveryPixelIsPaintedWhiteGreyOrBlackOutsideTheText) {
  for (int vertical : {0, 1}) {
    view.m_vertical = vertical;
    const QImage image = Paint();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        if (x < 40 && y < 20) continue;  // the scale number
        const QRgb p = image.pixel(x, y);
        ASSERT_TRUE(p == kWhite || p == kGrey || p == kBlack) << x << "," << y << " " << std::hex << p;
      }
  }
}

TEST_F(ViewTest, AFailedFitPaintsOnlyTheWhiteArea) {
  view.m_showData = 1;
  ASSERT_EQ(FitShape(std::nan(""), 18.5, 12, 14, 0, -0.25, 0, -0.5), -1);
  const QImage image = Paint();
  EXPECT_EQ(CountColour(image, kWhite), 800 * 600);
}

TEST_F(ViewTest, AViewWithoutADocumentPaintsOnlyTheWhiteArea) {
  CVeskView alone;
  QImage image(50, 40, QImage::Format_RGB32);
  image.fill(kUnpainted);
  PaintInto(&image, [&](CDC* dc) { alone.OnDraw(dc); });
  EXPECT_EQ(CountColour(image, kWhite), 50 * 40);
}

}  // namespace
