// CVeskView: the whole-pixel scale and origin that fit the body into the client area with an
// 8-pixel margin, the model-to-window mapping and the outline's angle step.
#include <cmath>

#include "document/veskdoc.h"
#include "framework/rect.h"
#include "geometry/side_length.h"
#include "view/saturate.h"
#include "view/veskview.h"

namespace {
constexpr int kMargin = 8;
}

bool CVeskView::ChooseLayout(const CRect& client, const CVeskDoc& doc) {
  const int w = client.Width();
  const int h = client.Height();
  const double maxHalf = doc.m_lowerBout >= doc.m_upperBout ? doc.m_lowerBout : doc.m_upperBout;
  double along, across;
  if (m_vertical == 0) {
    along = (w - kMargin) / doc.m_length;
    across = (h - kMargin) / maxHalf;
  } else {
    along = (h - kMargin) / doc.m_length;
    across = (w - kMargin) / (2 * maxHalf);
  }
  // A value that is not a number makes the scale one too, whichever side it is on.
  const double smaller = std::isnan(along) ? along : (along < across ? along : across);
  m_scale = std::floor(smaller);
  if (m_vertical == 0) {
    m_offsetX = (w - m_scale * doc.m_length) * 0.5 + 0.5;
    m_offsetY = (h + m_scale * maxHalf) * 0.5 + 0.5;
  } else {
    m_offsetX = w * 0.5 + 0.5;
    m_offsetY = (h - m_scale * doc.m_length) * 0.5 + 0.5;
  }
  return std::isfinite(m_scale) && m_scale >= 1.0 && std::isfinite(m_offsetX) && std::isfinite(m_offsetY);
}

int CVeskView::WindowX(double v) const { return TruncateToInt(v * m_scale + m_offsetX); }

int CVeskView::WindowY(double v) const { return TruncateToInt(v * m_scale + m_offsetY); }

double CVeskView::AngleStep(double scale) const { return AngleStep(scale, SideLength(1.0)); }

double CVeskView::AngleStep(double scale, double sideLength) const {
  const double n = std::ceil(sideLength * scale);
  double step = 180.0 / n;
  if (step > 1.0) step = 1.0;
  return step;
}
