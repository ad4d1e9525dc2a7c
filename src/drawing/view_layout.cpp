// The whole-pixel scale and origin that fit the body into the client area with an 8-pixel margin,
// the model-to-window mapping and the outline's angle step.
#include "drawing/view_layout.h"

#include <cmath>

#include "document/veskdoc.h"
#include "drawing/saturate.h"
#include "framework/rect.h"

namespace {
constexpr int kMargin = 8;
}

bool ViewLayout::Choose(const CRect& client, const CVeskDoc& doc, int vertical) {
  const int w = client.Width();
  const int h = client.Height();
  const double maxHalf = doc.m_lowerBout >= doc.m_upperBout ? doc.m_lowerBout : doc.m_upperBout;
  double along, across;
  if (vertical == 0) {
    along = (w - kMargin) / doc.m_length;
    across = (h - kMargin) / maxHalf;
  } else {
    along = (h - kMargin) / doc.m_length;
    across = (w - kMargin) / (2 * maxHalf);
  }
  // A value that is not a number makes the scale one too, whichever side it is on.
  const double smaller = std::isnan(along) ? along : (along < across ? along : across);
  scale = std::floor(smaller);
  if (vertical == 0) {
    offsetX = (w - scale * doc.m_length) * 0.5 + 0.5;
    offsetY = (h + scale * maxHalf) * 0.5 + 0.5;
  } else {
    offsetX = w * 0.5 + 0.5;
    offsetY = (h - scale * doc.m_length) * 0.5 + 0.5;
  }
  return std::isfinite(scale) && scale >= 1.0 && std::isfinite(offsetX) && std::isfinite(offsetY);
}

int ViewLayout::WindowX(double v) const {
  return TruncateToInt(v * scale + offsetX);
}

int ViewLayout::WindowY(double v) const {
  return TruncateToInt(v * scale + offsetY);
}

double AngleStep(double scale, double sideLength) {
  const double n = std::ceil(sideLength * scale);
  double step = 180.0 / n;
  if (step > 1.0) step = 1.0;
  return step;
}
