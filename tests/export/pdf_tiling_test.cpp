// Tile plans: counts per direction, the orientation with fewer pages, centring, labels and the
// limits on overlap and page count.
#include "export/pdf_tiling.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(PdfTiling, TilesAlongAddOneFrameLessOverlapAtATime) {
  EXPECT_EQ(TilesAlong(0.0, 190.0, 10.0), 1.0);
  EXPECT_EQ(TilesAlong(190.0, 190.0, 10.0), 1.0);
  EXPECT_EQ(TilesAlong(190.5, 190.0, 10.0), 2.0);
  EXPECT_EQ(TilesAlong(370.0, 190.0, 10.0), 2.0);
  EXPECT_EQ(TilesAlong(370.5, 190.0, 10.0), 3.0);
  EXPECT_EQ(TilesAlong(380.0, 190.0, 0.0), 2.0);
}

TEST(PdfTiling, DefaultBodyOnA4TakesSixPortraitTilesAboveTheirBands) {
  // 490 x 370 mm. Each page keeps 10 mm margins and a 24 mm band below the tile: portrait tiles
  // (190 x 253) need 3 x 2, landscape ones (277 x 166) 2 x 3; portrait wins the tie.
  const TilePlanResult r = PlanTiles(490.0, 370.0, Paper::A4, 10.0);
  ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
  EXPECT_FALSE(r.plan.landscape);
  EXPECT_EQ(r.plan.cols, 3);
  EXPECT_EQ(r.plan.rows, 2);
  EXPECT_DOUBLE_EQ(r.plan.pageWidthMm, 210.0);
  EXPECT_DOUBLE_EQ(r.plan.frameHeightMm, 253.0);
  EXPECT_DOUBLE_EQ(r.plan.StepXMm(), 180.0);
  // The tiled strip is 2 x 180 + 190 = 550 mm wide and 243 + 253 = 496 mm high; the drawing is centred.
  EXPECT_DOUBLE_EQ(r.plan.drawingLeftMm, 30.0);
  EXPECT_DOUBLE_EQ(r.plan.drawingTopMm, 63.0);
  EXPECT_DOUBLE_EQ(r.plan.TileLeftMm(2), 360.0);
  EXPECT_DOUBLE_EQ(r.plan.TileTopMm(1), 243.0);
}

TEST(PdfTiling, PortraitWinsATieAndLetterHasItsOwnSize) {
  const TilePlanResult small = PlanTiles(100.0, 100.0, Paper::Letter, 10.0);
  ASSERT_TRUE(small.error.isEmpty());
  EXPECT_FALSE(small.plan.landscape);
  EXPECT_EQ(small.plan.PageCount(), 1);
  EXPECT_NEAR(small.plan.pageWidthMm, 215.9, 1e-9);
  EXPECT_NEAR(small.plan.pageHeightMm, 279.4, 1e-9);

  // A tall narrow drawing: portrait letter tiles (195.9 x 235.4) need 1 x 2, landscape 1 x 3.
  const TilePlanResult tall = PlanTiles(150.0, 400.0, Paper::Letter, 10.0);
  ASSERT_TRUE(tall.error.isEmpty());
  EXPECT_FALSE(tall.plan.landscape);
  EXPECT_EQ(tall.plan.cols, 1);
  EXPECT_EQ(tall.plan.rows, 2);
}

TEST(PdfTiling, RefusesTooManyPagesAndBadOverlaps) {
  const TilePlanResult huge = PlanTiles(10000.0, 7500.0, Paper::A4, 10.0);
  EXPECT_TRUE(huge.error.contains(QStringLiteral("pages"))) << huge.error.toStdString();
  EXPECT_FALSE(PlanTiles(1e300, 1e300, Paper::A4, 10.0).error.isEmpty());
  EXPECT_FALSE(PlanTiles(NAN, 100.0, Paper::A4, 10.0).error.isEmpty());
  EXPECT_FALSE(PlanTiles(INFINITY, 100.0, Paper::A4, 10.0).error.isEmpty());
  // Less than half the shortest tile: A4 landscape, 210 - 2 x 10 - 24 = 166 mm high.
  for (double overlap : {-1.0, 83.0, 1000.0, double(NAN), double(INFINITY)})
    EXPECT_FALSE(PlanTiles(490.0, 370.0, Paper::A4, overlap).error.isEmpty()) << overlap;
  EXPECT_TRUE(PlanTiles(490.0, 370.0, Paper::A4, 82.9).error.isEmpty());
  EXPECT_TRUE(PlanTiles(490.0, 370.0, Paper::A4, 0.0).error.isEmpty());
}

TEST(PdfTiling, LabelsNameRowByLettersAndColumnByNumber) {
  EXPECT_EQ(TileLabel(0, 0), QStringLiteral("A1"));
  EXPECT_EQ(TileLabel(0, 1), QStringLiteral("A2"));
  EXPECT_EQ(TileLabel(1, 0), QStringLiteral("B1"));
  EXPECT_EQ(TileLabel(25, 2), QStringLiteral("Z3"));
  EXPECT_EQ(TileLabel(26, 0), QStringLiteral("AA1"));
  EXPECT_EQ(TileLabel(27, 9), QStringLiteral("AB10"));
  EXPECT_EQ(TileLabel(999, 0), QStringLiteral("ALL1"));
}

TEST(PdfTiling, PaperNames) {
  Paper p = Paper::A4;
  EXPECT_TRUE(ParsePaper(QStringLiteral("letter"), &p));
  EXPECT_EQ(p, Paper::Letter);
  EXPECT_TRUE(ParsePaper(QStringLiteral("a4"), &p));
  EXPECT_EQ(p, Paper::A4);
  EXPECT_FALSE(ParsePaper(QStringLiteral("a3"), &p));
  EXPECT_FALSE(ParsePaper(QStringLiteral("A4 "), &p));
}
