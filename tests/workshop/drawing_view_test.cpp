// The centre view: layers shown and hidden, fit, zoom about the cursor, and a click handed out as a
// model point.
#include "workshop/drawing_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "document/design.h"
#include "geometry/fit_shape.h"
#include "workshop/model_painter.h"
#include "workshop/template_settings.h"

namespace {

ExportModel DefaultModel() {
  const Design design;
  return BuildTemplateModel(design, FitOutline(design.shape), TemplateSettings{}, QStringLiteral("Untitled"))
      ->model;
}

// Pixels drawn near black: only the outline is black.
int DarkPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() < 80 && c.green() < 80 && c.blue() < 80) ++count;
    }
  return count;
}

// Anything but paper within a pixel (an antialiased line may be grey).
bool PaintedNear(const QImage& image, QPointF at) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const QColor c = image.pixelColor(int(at.x()) + dx, int(at.y()) + dy);
      if (c.lightness() < 200) return true;
    }
  return false;
}

// A template's arcs are drawn as arcs: a half circle's apex is painted, its chord's middle is not.
TEST(ModelPainterTest, ArcsArePaintedAsArcs) {
  ExportModel model;
  model.toleranceUnits = 0.001;
  Polyline half;
  half.points = {{0.0, 0.0}, {10.0, 0.0}};
  half.bulges = {1.0};
  model.AddLayer(QStringLiteral("OUTLINE"), Part::Outline).polylines.push_back(half);
  QImage image(200, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QTransform toDevice = QTransform::fromTranslate(50, 100).scale(10, -10);
  QPainter painter(&image);
  PaintExportModel(painter, model, toDevice, PartSet::All());
  painter.end();
  EXPECT_TRUE(PaintedNear(image, toDevice.map(QPointF(5, -5))) ||
              PaintedNear(image, toDevice.map(QPointF(5, 5))));
  EXPECT_FALSE(PaintedNear(image, toDevice.map(QPointF(5, 0))));
}

class DrawingViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    view.resize(400, 300);
    view.setModel(DefaultModel());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }
  QPointF ToWidget(double x, double y) const { return view.modelToWidget().map(QPointF(x, y)); }
  DrawingView view;
};

TEST_F(DrawingViewTest, HiddenOutlineIsNotPainted) {
  EXPECT_GT(DarkPixels(view.grab().toImage()), 100);
  view.setPartVisible(Part::Outline, false);
  EXPECT_EQ(DarkPixels(view.grab().toImage()), 0);
}

TEST_F(DrawingViewTest, FitShowsTheWholeDrawing) {
  view.zoomIn();
  view.zoomToFit();
  const Bounds b = view.model().ShownBounds();
  const QRectF shown(ToWidget(b.minX, b.maxY), ToWidget(b.maxX, b.minY));
  EXPECT_TRUE(QRectF(view.rect()).contains(shown));
  EXPECT_TRUE(shown.width() > view.width() * 0.8 || shown.height() > view.height() * 0.8);
}

TEST_F(DrawingViewTest, WheelZoomKeepsThePointUnderTheCursor) {
  const QPointF at = ToWidget(30.0, 5.0);
  const double before = view.scale();
  QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view, &wheel);
  EXPECT_DOUBLE_EQ(view.scale(), before * 1.25 * 1.25);
  const QPointF after = ToWidget(30.0, 5.0);
  EXPECT_NEAR(after.x(), at.x(), 1e-6);
  EXPECT_NEAR(after.y(), at.y(), 1e-6);
}

TEST_F(DrawingViewTest, DragPansAndAPickingClickNamesTheModelPoint) {
  const QPointF start = ToWidget(10.0, 0.0);
  QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, start.toPoint());
  QTest::mouseMove(&view, (start + QPointF(40, 0)).toPoint());
  QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, (start + QPointF(40, 0)).toPoint());
  EXPECT_NEAR(ToWidget(10.0, 0.0).x(), start.toPoint().x() + 40, 1.0);

  view.setPicking(true);
  QSignalSpy clicked(&view, &DrawingView::modelClicked);
  const QPoint at = ToWidget(20.0, 3.0).toPoint();
  QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, at);
  ASSERT_EQ(clicked.count(), 1);
  const QPointF model = clicked.front().front().toPointF();
  EXPECT_NEAR(model.x(), 20.0, 1.0 / view.scale());
  EXPECT_NEAR(model.y(), 3.0, 1.0 / view.scale());
}

}  // namespace
