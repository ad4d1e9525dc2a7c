// The shared view fixture.
#include "view_fixture.h"

#include "common/draw_call_recorder.h"
#include "framework/dc.h"
#include "geometry/fit_shape.h"

void ViewTest::SetUp() {
  ASSERT_TRUE(doc.OnNewDocument());
  ASSERT_EQ(doc.m_fitValid, 1);
  view.SetDocument(&doc);
}

void ViewTest::Refit() {
  ASSERT_EQ(FitShape(doc.m_length, doc.m_lowerBout, doc.m_waist, doc.m_upperBout, doc.m_a3, doc.m_a4,
                     doc.m_a5, doc.m_a6),
            0);
}

void ViewTest::DefineHole(int jointFret, double position, double diameter) {
  doc.m_holeDefined = 1;
  doc.m_jointFret = jointFret;
  doc.m_scaleLength = 65.0;
  doc.m_nutWidth = 5.2;
  doc.m_fret12Width = 6.2;
  doc.m_holePosition = position;
  doc.m_holeDiameter = diameter;
}

QImage ViewTest::Paint(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kUnpainted);
  PaintInto(&image, [&](CDC* dc) { view.OnDraw(dc); });
  return image;
}

long long ViewTest::CountLines(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  return ::CountLines(RecordPaint(&image, [&](CDC* dc) { view.OnDraw(dc); }));
}

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

int Pixel(double v, double scale, double offset) {
  return static_cast<int>(v * scale + offset);
}
