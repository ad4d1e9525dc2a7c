// CDC: the device context's drawing rules, checked on the pixels of a QImage.
#include "framework/dc.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <climits>
#include <random>
#include <set>
#include <utility>

#include "common/draw_call_recorder.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr QRgb kWhitePixel = 0xFFFFFFFF;
constexpr QRgb kBlackPixel = 0xFF000000;

QImage Canvas(int w = 64, int h = 64, QRgb fill = kWhitePixel) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

// Draws on a fresh white canvas through a CDC.
template <class Draw>
QImage DrawWithDC(Draw draw, int w = 64, int h = 64, QRgb fill = kWhitePixel) {
  QImage image = Canvas(w, h, fill);
  QPainter painter(&image);
  CDC dc(&painter, CRect(0, 0, w, h));
  draw(dc);
  return image;
}

Pixels Painted(const QImage& image, QRgb background = kWhitePixel) {
  Pixels set;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) set.insert({x, y});
  return set;
}

// Qt's own one-pixel line with both ends painted: the reference LineTo must match, less its end.
Pixels QtLineWithBothEnds(int x1, int y1, int x2, int y2) {
  QImage image = Canvas();
  QPainter painter(&image);
  QPen pen(Qt::black);
  pen.setWidth(1);
  pen.setCapStyle(Qt::SquareCap);
  painter.setPen(pen);
  painter.drawLine(QLine(x1, y1, x2, y2));
  painter.end();
  return Painted(image);
}

Pixels LineToPixels(int x1, int y1, int x2, int y2) {
  return Painted(DrawWithDC([&](CDC& dc) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
  }));
}

TEST(CdcLineTo, StraightLinesPaintTheStartAndStopOnePixelShortOfTheEnd) {
  struct Row {
    const char* name;
    int x1, y1, x2, y2;
    Pixels expected;
  };
  const Row rows[] = {
      {"right", 2, 5, 6, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
      {"left", 6, 5, 2, 5, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
      {"down", 5, 2, 5, 6, {{5, 2}, {5, 3}, {5, 4}, {5, 5}}},
      {"up", 5, 6, 5, 2, {{5, 6}, {5, 5}, {5, 4}, {5, 3}}},
      {"one step", 5, 5, 6, 6, {{5, 5}}},
      {"zero length", 5, 5, 5, 5, {}},
  };
  for (const Row& r : rows) EXPECT_EQ(LineToPixels(r.x1, r.y1, r.x2, r.y2), r.expected) << r.name;
}

TEST(CdcLineTo, AnyLineIsQtsLineWithoutItsEndPixel) {
  std::mt19937 random(20240601);
  std::uniform_int_distribution<int> coordinate(1, 62);
  for (int i = 0; i < 400; ++i) {
    const int x1 = coordinate(random), y1 = coordinate(random), x2 = coordinate(random),
              y2 = coordinate(random);
    if (x1 == x2 && y1 == y2) continue;
    Pixels expected = QtLineWithBothEnds(x1, y1, x2, y2);
    expected.erase({x2, y2});
    ASSERT_EQ(LineToPixels(x1, y1, x2, y2), expected) << x1 << "," << y1 << " -> " << x2 << "," << y2;
  }
}

TEST(CdcLineTo, MovesTheCurrentPositionSoAPolylineClosesItsCorners) {
  const QImage image = DrawWithDC([](CDC& dc) {
    dc.MoveTo(10, 10);
    dc.LineTo(20, 10);
    dc.LineTo(20, 20);
    dc.LineTo(10, 20);
  });
  EXPECT_EQ(image.pixel(10, 10), kBlackPixel);
  EXPECT_EQ(image.pixel(20, 10), kBlackPixel);  // end of the first line, start of the second
  EXPECT_EQ(image.pixel(20, 20), kBlackPixel);
  EXPECT_EQ(image.pixel(10, 20), kWhitePixel);  // the polyline's last end
}

TEST(CdcLineTo, OnePixelLinesAreCrispInThePensColour) {
  CPen red(PS_SOLID, 1, RGB(255, 0, 0));
  const QImage image = DrawWithDC([&](CDC& dc) {
    dc.SelectObject(&red);
    dc.MoveTo(3, 4);
    dc.LineTo(60, 37);
  });
  const Pixels painted = Painted(image);
  ASSERT_FALSE(painted.empty());
  for (const auto& [x, y] : painted) ASSERT_EQ(image.pixel(x, y), 0xFFFF0000u) << x << "," << y;
}

TEST(CdcPens, ColoursAreBlueGreenRedAndSelectReturnsThePreviousPen) {
  CPen blue(PS_SOLID, 1, 0xFF0000);
  CPen grey(PS_SOLID, 1, 0xC0C0C0);
  QImage image = DrawWithDC([&](CDC& dc) {
    CPen* initial = dc.SelectObject(&blue);
    ASSERT_NE(initial, nullptr);
    EXPECT_EQ(initial->Color(), RGB(0, 0, 0));
    dc.MoveTo(1, 1);
    dc.LineTo(10, 1);
    EXPECT_EQ(dc.SelectObject(&grey), &blue);
    dc.MoveTo(1, 3);
    dc.LineTo(10, 3);
    EXPECT_EQ(dc.SelectObject(initial), &grey);
    dc.MoveTo(1, 5);
    dc.LineTo(10, 5);
  });
  EXPECT_EQ(image.pixel(5, 1), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(5, 3), 0xFFC0C0C0u);
  EXPECT_EQ(image.pixel(5, 5), kBlackPixel);
}

TEST(CdcEllipse, FillsItsBoxWithoutTheRightAndBottomEdges) {
  for (bool reversed : {false, true}) {
    const QImage image = DrawWithDC([&](CDC& dc) {
      if (reversed)
        dc.Ellipse(40, 30, 10, 10);
      else
        dc.Ellipse(10, 10, 40, 30);
    });
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (const auto& [x, y] : Painted(image)) {
      minX = std::min(minX, x), maxX = std::max(maxX, x);
      minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    EXPECT_EQ(minX, 10) << reversed;
    EXPECT_EQ(maxX, 39) << reversed;
    EXPECT_EQ(minY, 10) << reversed;
    EXPECT_EQ(maxY, 29) << reversed;
  }
}

TEST(CdcEllipse, TheStockBrushDecidesWhetherTheInsideIsFilled) {
  const QRgb grey = 0xFF808080;
  const QImage hollow = DrawWithDC(
      [](CDC& dc) {
        EXPECT_EQ(dc.SelectStockObject(NULL_BRUSH), WHITE_BRUSH);
        dc.Ellipse(10, 10, 50, 50);
      },
      64, 64, grey);
  const QImage filled = DrawWithDC(
      [](CDC& dc) {
        dc.SelectStockObject(NULL_BRUSH);
        EXPECT_EQ(dc.SelectStockObject(WHITE_BRUSH), NULL_BRUSH);
        dc.Ellipse(10, 10, 50, 50);
      },
      64, 64, grey);
  EXPECT_EQ(hollow.pixel(30, 30), grey);
  EXPECT_EQ(filled.pixel(30, 30), kWhitePixel);
  EXPECT_EQ(filled.pixel(10, 30), kBlackPixel);
  EXPECT_EQ(filled.pixel(2, 2), grey);
}

TEST(CdcTextOut, BlackTextOnAnOpaqueBackgroundAtItsTopLeftCorner) {
  const QString text = QStringLiteral("Hg 12");
  QImage image(120, 60, QImage::Format_RGB32);
  image.fill(0xFF404040);
  QPainter painter(&image);
  CDC dc(&painter, CRect(0, 0, 120, 60));
  dc.FillSolidRect(0, 0, 0, 0, RGB(255, 255, 255));  // nothing to fill; white becomes the background
  dc.TextOut(20, 10, text);
  const QFontMetrics metrics(painter.font());
  painter.end();
  const int right = 20 + metrics.horizontalAdvance(text);
  const int bottom = 10 + metrics.height();

  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const bool inside = x >= 20 && x < right && y >= 10 && y < bottom;
      if (!inside) {
        ASSERT_EQ(p, 0xFF404040u) << x << "," << y;
      } else {
        ASSERT_EQ(qRed(p), qBlue(p)) << "text is grey to black, never coloured";
        if (qRed(p) < 0x80) ++dark;
      }
    }
  EXPECT_GT(dark, 10);
  EXPECT_EQ(image.pixel(20, 10), kWhitePixel) << "the background is opaque white";
}

TEST(CdcFillSolidRect, FillsExactlyTheRectangleAndSetsTheBackgroundColour) {
  QImage image = Canvas();
  QPainter painter(&image);
  CDC dc(&painter, CRect(0, 0, 64, 64));
  dc.FillSolidRect(CRect(5, 6, 9, 8), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetBkColor(), RGB(0, 0, 255));
  dc.FillSolidRect(INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX, RGB(0, 255, 0));  // far outside
  dc.FillSolidRect(60, 60, INT_MAX, INT_MAX, RGB(0, 255, 0));                    // cut to the client
  painter.end();
  Pixels blue, green;
  for (const auto& [x, y] : Painted(image)) (image.pixel(x, y) == 0xFF0000FFu ? blue : green).insert({x, y});
  EXPECT_EQ(blue, (Pixels{{5, 6}, {6, 6}, {7, 6}, {8, 6}, {5, 7}, {6, 7}, {7, 7}, {8, 7}}));
  EXPECT_EQ(green.size(), 16u);
  EXPECT_TRUE(green.count({63, 63}));
}

TEST(CdcFarCoordinates, LinesAcrossTheIntRangeStillPaintTheirVisiblePart) {
  const QImage image = DrawWithDC([](CDC& dc) {
    dc.MoveTo(INT_MIN, 30);
    dc.LineTo(INT_MAX, 30);
    dc.MoveTo(INT_MAX, INT_MAX);
    dc.LineTo(INT_MIN, INT_MIN);
    dc.TextOut(INT_MAX, INT_MAX, QStringLiteral("far"));
    dc.TextOut(INT_MIN, INT_MIN, QStringLiteral("far"));
  });
  for (int x = 0; x < 64; ++x) ASSERT_EQ(image.pixel(x, 30), kBlackPixel) << x;
  EXPECT_EQ(image.pixel(10, 10), kBlackPixel);
}

TEST(CdcFarCoordinates, AHugeWhiteEllipseCoversTheWholeClient) {
  const QImage image = DrawWithDC(
      [](CDC& dc) {
        dc.SelectStockObject(WHITE_BRUSH);
        dc.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        dc.Ellipse(INT_MAX, INT_MAX, INT_MAX - 5, INT_MAX - 7);
      },
      64, 64, 0xFF808080);
  EXPECT_EQ(Painted(image, kWhitePixel), Pixels{});
}

TEST(CdcWithoutPixels, KeepsItsStateAndPaintsNothing) {
  CDC dc(nullptr, CRect(0, 0, 0, 0));
  CRect client(1, 2, 3, 4);
  dc.GetClientRect(&client);
  EXPECT_EQ(client.Width(), 0);
  EXPECT_EQ(client.Height(), 0);
  CPen pen(PS_SOLID, 1, 0);
  dc.FillSolidRect(CRect(0, 0, 10, 10), RGB(1, 2, 3));
  EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
  CPen* initial = dc.SelectObject(&pen);
  EXPECT_EQ(dc.SelectObject(initial), &pen);
  dc.MoveTo(0, 0);
  dc.LineTo(5, 5);
  dc.Ellipse(0, 0, 5, 5);
  dc.TextOut(0, 0, QStringLiteral("x"));
}

// The observer hears each call with the pen and brush in force, whether or not it paints.
TEST(CdcObserver, NotesEveryCallWithItsPenAndBrushPaintedOrNot) {
  for (const bool withPixels : {true, false}) {
    QImage image = Canvas(32, 32);
    QPainter painter(&image);
    CDC dc(withPixels ? &painter : nullptr, CRect(0, 0, 32, 32));
    DrawCallRecorder recorder;
    const DrawCalls& calls = recorder.calls;
    dc.MoveTo(1, 1);
    dc.LineTo(2, 2);  // before recording
    dc.SetObserver(&recorder);
    dc.FillSolidRect(2, 3, 10, 20, RGB(9, 8, 7));
    CPen grey(PS_SOLID, 1, RGB(192, 192, 192));
    dc.SelectObject(&grey);
    dc.MoveTo(4, 5);
    dc.LineTo(6, 7);
    dc.LineTo(-8, 9);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(10, 11, 0, 1);
    dc.TextOut(3, 4, QStringLiteral("39"));
    dc.SetObserver(nullptr);
    dc.LineTo(0, 0);  // after recording

    const COLORREF g = RGB(192, 192, 192);
    const DrawCalls expected = {
        {DrawCall::Fill, 2, 3, 12, 23, RGB(9, 8, 7), 0, 0, {}},
        {DrawCall::Line, 4, 5, 6, 7, g, 1, 0, {}},
        {DrawCall::Line, 6, 7, -8, 9, g, 1, 0, {}},
        {DrawCall::Ellipse, 10, 11, 0, 1, g, 1, NULL_BRUSH, {}},
        {DrawCall::Text, 3, 4, 0, 0, RGB(9, 8, 7), 0, 0, QStringLiteral("39")},
    };
    ASSERT_EQ(calls.size(), expected.size()) << withPixels;
    for (size_t i = 0; i < expected.size(); ++i)
      EXPECT_TRUE(calls[i] == expected[i]) << withPixels << " call " << i;
  }
}

}  // namespace
