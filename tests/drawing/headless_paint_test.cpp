// PaintDesign on its own, without a view: the layout it reports, the white area when there is
// nothing to draw, and the paint on an image without pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <limits>

#include "document/veskdoc.h"
#include "drawing/design_painter.h"
#include "geometry/fit_shape.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kUnpainted = 0xFFFF00FF;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class HeadlessPaint : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(doc.OnNewDocument()); }

  QImage Paint(const CVeskDoc* design, ViewLayout* layout, int vertical = 0) {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(kUnpainted);
    ViewFlags flags;
    flags.vertical = vertical;
    PaintDesignInto(&image, design, g_shapeState, flags, layout);
    return image;
  }

  static bool AllWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != kWhite) return false;
    return true;
  }

  CVeskDoc doc;
};

// The new design (length 49, lower bout 18.5) in 800 x 600: the length limits the scale, 792 / 49
// pixels a unit lying and 592 / 49 standing, rounded down; the body is centred.
TEST_F(HeadlessPaint, ReportsTheLayoutItChoseInBothOrientations) {
  ViewLayout layout;
  const QImage image = Paint(&doc, &layout);
  EXPECT_EQ(layout.scale, 16.0);
  EXPECT_EQ(layout.offsetX, 8.5);
  EXPECT_EQ(layout.offsetY, 448.5);
  EXPECT_FALSE(AllWhite(image));
  ViewLayout vertical;
  Paint(&doc, &vertical, 1);
  EXPECT_EQ(vertical.scale, 12.0);
  EXPECT_EQ(vertical.offsetX, 400.5);
  EXPECT_EQ(vertical.offsetY, 6.5);
}

TEST_F(HeadlessPaint, WithoutADocumentOrAFitOnlyTheWhiteAreaAndTheLayoutIsKept) {
  const ViewLayout before{3.0, 4.0, 5.0};
  ViewLayout layout = before;
  EXPECT_TRUE(AllWhite(Paint(nullptr, &layout)));
  EXPECT_EQ(layout.scale, before.scale);
  EXPECT_EQ(layout.offsetY, before.offsetY);

  ASSERT_EQ(FitShape(kNaN, 18.5, 12, 14, 0, -0.25, 0, -0.5), -1);
  ASSERT_EQ(IsFitValid(), 0);
  EXPECT_TRUE(AllWhite(Paint(&doc, &layout)));
  EXPECT_EQ(layout.offsetX, before.offsetX);
}

TEST_F(HeadlessPaint, AnImageWithoutPixelsStillRunsThePaint) {
  QImage empty;
  ViewLayout layout;
  PaintDesignInto(&empty, &doc, g_shapeState, ViewFlags{}, &layout);
  // Nothing fits into no pixels: the scale is below 1 and nothing is drawn.
  EXPECT_LT(layout.scale, 1.0);
}

}  // namespace
