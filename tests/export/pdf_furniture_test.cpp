// The PDF's page furniture painted into an image at 4 px/mm: the band stays below its tile, the
// check bar is as long as it says, and the map's shading lets the miniature outline show through.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "export/pdf_page_furniture.h"
#include "export/pdf_tiling.h"

namespace {

constexpr double kPxPerMm = 4.0;

struct Canvas {
  Canvas() : image(static_cast<int>(240 * kPxPerMm), static_cast<int>(30 * kPxPerMm), QImage::Format_RGB32) {
    image.fill(Qt::white);
    painter.begin(&image);
    painter.scale(kPxPerMm, kPxPerMm);
  }
  QColor At(double xMm, double yMm) const {
    return image.pixelColor(static_cast<int>(xMm * kPxPerMm), static_cast<int>(yMm * kPxPerMm));
  }
  QImage image;
  QPainter painter;
};

TilePlan TwoTiles() {
  TilePlan plan;
  plan.frameWidthMm = 190.0;
  plan.frameHeightMm = 100.0;
  plan.overlapMm = 10.0;
  plan.rows = 1;
  plan.cols = 2;
  return plan;
}

}  // namespace

TEST(PdfFurnitureTest, TheBandLiesBelowTheTileAcrossItsWidth) {
  const QRectF tile(10.0, 10.0, 190.0, 253.0);
  const QRectF band = BandBelow(tile);
  EXPECT_EQ(band.top(), tile.bottom());
  EXPECT_EQ(band.left(), tile.left());
  EXPECT_EQ(band.width(), tile.width());
  EXPECT_EQ(band.height(), kFurnitureBandMm);
}

TEST(PdfFurnitureTest, CheckBarTicksAreTheSideApart) {
  Canvas c;
  DrawCheckBar(c.painter, QRectF(0, 0, 240, 24), 100.0, QStringLiteral("100 mm"));
  c.painter.end();
  // Red columns of the ticks: the first and the last red column, 100 mm apart give or take the pen.
  int first = -1, last = -1;
  for (int x = 0; x < c.image.width(); ++x) {
    const QColor p =
        c.image.pixelColor(x, static_cast<int>(5.0 * kPxPerMm));  // above the bar, through the ticks
    if (p.red() > 150 && p.green() < 110 && p.blue() < 110) {
      if (first < 0) first = x;
      last = x;
    }
  }
  ASSERT_GE(first, 0);
  EXPECT_NEAR((last - first) / kPxPerMm, 100.0, 0.3 + 1.0 / kPxPerMm);
}

TEST(PdfFurnitureTest, ShadedTileLetsTheMiniatureOutlineShowThrough) {
  Canvas c;
  const TilePlan plan = TwoTiles();
  // An outline across the whole strip at half its height: in the map it crosses both cells.
  const QPolygonF outline{{0.0, 50.0}, {370.0, 50.0}, {370.0, 50.5}, {0.0, 50.5}};
  DrawAssemblyMap(c.painter, QRectF(0, 0, 240, 24), plan, 0, 0, outline);
  c.painter.end();
  // The map fills the band's height less 2 mm each side: 20 mm for a 100 mm strip, so 0.2 mm per mm.
  const double k = 20.0 / 100.0, left = 238.0 - 370.0 * k, top = 2.0;
  const QColor shadedLine = c.At(left + 40.0 * k, top + 50.2 * k);
  const QColor plainLine = c.At(left + 300.0 * k, top + 50.2 * k);
  const QColor shade = c.At(left + 40.0 * k, top + 80.0 * k);
  EXPECT_LT(shade.red(), 250) << "the tile in hand is shaded";
  EXPECT_LT(plainLine.red(), 120);
  EXPECT_LT(shadedLine.red(), shade.red() - 40) << "the shading hides the outline";
}
