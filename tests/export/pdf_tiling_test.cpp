// Tile plans: counts per direction, the orientation with fewer pages, centring, labels and the
// limits on overlap and page count.
#include "export/pdf_tiling.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/result_checks.h"

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
  const Result<TilePlan> r = PlanTiles(490.0, 370.0, Paper::A4, 10.0);
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_FALSE(r->landscape);
  EXPECT_EQ(r->cols, 3);
  EXPECT_EQ(r->rows, 2);
  EXPECT_DOUBLE_EQ(r->pageWidthMm, 210.0);
  EXPECT_DOUBLE_EQ(r->frameHeightMm, 253.0);
  EXPECT_DOUBLE_EQ(r->StepXMm(), 180.0);
  // The tiled strip is 2 x 180 + 190 = 550 mm wide and 243 + 253 = 496 mm high; the drawing is centred.
  EXPECT_DOUBLE_EQ(r->drawingLeftMm, 30.0);
  EXPECT_DOUBLE_EQ(r->drawingTopMm, 63.0);
  EXPECT_DOUBLE_EQ(r->TileLeftMm(2), 360.0);
  EXPECT_DOUBLE_EQ(r->TileTopMm(1), 243.0);
}

TEST(PdfTiling, PortraitWinsATieAndLetterHasItsOwnSize) {
  const Result<TilePlan> small = PlanTiles(100.0, 100.0, Paper::Letter, 10.0);
  ASSERT_TRUE(small.ok());
  EXPECT_FALSE(small->landscape);
  EXPECT_EQ(small->PageCount(), 1);
  EXPECT_NEAR(small->pageWidthMm, 215.9, 1e-9);
  EXPECT_NEAR(small->pageHeightMm, 279.4, 1e-9);

  // A tall narrow drawing: portrait letter tiles (195.9 x 235.4) need 1 x 2, landscape 1 x 3.
  const Result<TilePlan> tall = PlanTiles(150.0, 400.0, Paper::Letter, 10.0);
  ASSERT_TRUE(tall.ok());
  EXPECT_FALSE(tall->landscape);
  EXPECT_EQ(tall->cols, 1);
  EXPECT_EQ(tall->rows, 2);
}

TEST(PdfTiling, RefusesTooManyPagesAndBadOverlaps) {
  const QString huge = MessageOf(PlanTiles(10000.0, 7500.0, Paper::A4, 10.0));
  EXPECT_TRUE(huge.contains(QStringLiteral("pages"))) << huge.toStdString();
  for (const double width : {1e300, double(NAN), double(INFINITY)})
    EXPECT_EQ(KindOf(PlanTiles(width, 100.0, Paper::A4, 10.0)), ErrorKind::Refused) << width;
  // Less than half the shortest tile: A4 landscape, 210 - 2 x 10 - 24 = 166 mm high.
  for (double overlap : {-1.0, 83.0, 1000.0, double(NAN), double(INFINITY)})
    EXPECT_EQ(KindOf(PlanTiles(490.0, 370.0, Paper::A4, overlap)), ErrorKind::Refused) << overlap;
  EXPECT_TRUE(PlanTiles(490.0, 370.0, Paper::A4, 82.9).ok());
  EXPECT_TRUE(PlanTiles(490.0, 370.0, Paper::A4, 0.0).ok());
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
