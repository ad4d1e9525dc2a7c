// A new design in a view, painted into images; and pixel helpers for the view tests.
#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "document/veskdoc.h"
#include "view/veskview.h"

inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kGrey = 0xFFC0C0C0;
inline constexpr QRgb kBlack = 0xFF000000;
// What the image holds before the paint: anything left of it was not painted.
inline constexpr QRgb kUnpainted = 0xFFFF00FF;

class ViewTest : public ::testing::Test {
 protected:
  // A new design (the default outline fitted) shown by the view.
  void SetUp() override;

  // Refits the shape state to the document's eight shape values.
  void Refit();
  // The classical soundhole of the tests: L 65, nut 5.2, 12th fret 6.2, hole at p with diameter.
  void DefineHole(int jointFret, double position, double diameter);

  QImage Paint(int width = 800, int height = 600);
  // LineTo calls of one paint.
  long long CountLines(int width = 800, int height = 600);

  CVeskDoc doc;
  CVeskView view;
};

// Pixels of one colour.
int CountColour(const QImage& image, QRgb colour);
// The trunc of v * scale + offset for a non-negative result, as a plain cast.
int Pixel(double v, double scale, double offset);
