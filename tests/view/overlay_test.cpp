// The data overlay: the texts as C's printf formats them, and where they stand in the picture.
#include <locale.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

#include "drawing/overlay_text.h"
#include "framework/dc.h"
#include "geometry/side_length.h"
#include "view_fixture.h"

namespace {

// C's own "%g", in the C locale whatever the process's locale is.
std::string PrintfG(double value) {
  locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  locale_t previous = uselocale(c);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  uselocale(previous);
  freelocale(c);
  return buffer;
}

TEST(OverlayText, DataLinesHaveTheirLabelsAndCsGFormat) {
  const auto lines = DataLines(20, 19.5, 1234567, 0.0001, 1.0 / 3.0);
  EXPECT_EQ(lines[0], " length=20");
  EXPECT_EQ(lines[1], " lower bout=19.5");
  EXPECT_EQ(lines[2], " waist=1.23457e+06");
  EXPECT_EQ(lines[3], " upper bout=0.0001");
  EXPECT_EQ(lines[4], " side length=0.333333");
}

TEST(OverlayText, FormatGMatchesPrintf) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {0.0,      -0.0,  1.0,       49.0,     18.5,          72.24501, 123456.0, 999999.0,
                   999999.5, 1e6,   1234567.0, 0.0001,   0.00012345678, 0.00001,  1e-300,   5e-324,
                   1e300,    -2.54, 1.0 / 3.0, 100000.0, 0.5e-4,        inf,      -inf})
    EXPECT_EQ(FormatG(v), PrintfG(v)) << v;
  EXPECT_EQ(FormatG(std::nan("")), "nan");
}

TEST(OverlayText, ScaleIsTruncatedTowardZeroAndSaturates) {
  EXPECT_EQ(ScaleText(39.0), "39");
  EXPECT_EQ(ScaleText(16.9), "16");
  EXPECT_EQ(ScaleText(-3.7), "-3");
  EXPECT_EQ(ScaleText(1e300), "2147483647");
  EXPECT_EQ(ScaleText(std::nan("")), "0");
}

// Rows of the top-left corner holding text: pixels darker than the grid (the outline stays
// below y 140 and right of x 200 in the new design's horizontal picture).
std::vector<int> TextRows(const QImage& image) {
  std::vector<int> rows;
  for (int y = 0; y < 140; ++y)
    for (int x = 0; x < 200; ++x)
      if (qRed(image.pixel(x, y)) < 0xC0) {
        rows.push_back(y);
        break;
      }
  return rows;
}

// The text as TextOut draws it alone on white, compared with the view's picture inside the text's box.
void ExpectTextAt(const QImage& image, int y, const QString& text) {
  const QFontMetrics metrics(QGuiApplication::font());
  const int w = metrics.horizontalAdvance(text), h = metrics.height();
  QImage reference(w, h, QImage::Format_RGB32);
  reference.fill(kWhite);
  {
    QPainter painter(&reference);
    CDC dc(&painter, CRect(0, 0, w, h));
    dc.TextOut(0, 0, text);
  }
  EXPECT_EQ(image.copy(0, y, w, h), reference) << text.toStdString() << " at y " << y;
}

TEST_F(ViewTest, OnlyTheScaleNumberWhenDataIsOff) {
  const QImage image = Paint();
  const std::vector<int> rows = TextRows(image);
  ASSERT_FALSE(rows.empty());
  EXPECT_LT(rows.front(), 5);
  EXPECT_LT(rows.back(), 20);
  ExpectTextAt(image, 0, "16");
}

TEST_F(ViewTest, DataLinesStand20PixelsApartBelowAnEmptyLine) {
  view.m_showData = 1;
  const QImage image = Paint();
  bool band[7] = {};
  for (int y : TextRows(image)) band[y / 20] = true;
  EXPECT_TRUE(band[0]);
  EXPECT_FALSE(band[1]) << "one empty line under the scale number";
  for (int i = 2; i < 7; ++i) EXPECT_TRUE(band[i]) << "line at y " << i * 20;

  ExpectTextAt(image, 0, "16");
  ExpectTextAt(image, 40, " length=49");
  ExpectTextAt(image, 60, " lower bout=18.5");
  ExpectTextAt(image, 80, " waist=12");
  ExpectTextAt(image, 100, " upper bout=14");
  ExpectTextAt(image, 120, QString::fromStdString(" side length=" + PrintfG(SideLength(1.0))));
}

TEST_F(ViewTest, TheTextsBackgroundHidesTheGrid) {
  view.m_showData = 1;
  const QImage image = Paint();
  // Grid row 48 and column 8 cross the first data line's box; inside it they are not grey.
  for (int x = 0; x < 30; ++x) EXPECT_NE(image.pixel(x, 48), kGrey) << x;
  for (int y = 41; y < 52; ++y) EXPECT_NE(image.pixel(8, y), kGrey) << y;
  EXPECT_EQ(image.pixel(8, 30), kGrey);
}

}  // namespace
