// DesignPainter: the grey one-unit grid through the neck end of the body, the black outline polyline
// and its centreline.
#include "drawing/design_painter.h"
#include "framework/dc.h"

QPoint DesignPainter::OutlinePoint(double t) const {
  double x, y;
  m_outline.XY(t, &x, &y);
  if (m_flags.vertical == 0) return QPoint(m_layout.WindowX(x), m_layout.WindowY(-y));
  return QPoint(m_layout.WindowX(y), m_layout.WindowY(x));
}

QPoint DesignPainter::AxisPoint(double along, double across) const {
  if (m_flags.vertical == 0) return QPoint(m_layout.WindowX(along), m_layout.WindowY(across));
  return QPoint(m_layout.WindowX(across), m_layout.WindowY(along));
}

void DesignPainter::DrawGrid(CDC* pDC, const CRect& r) const {
  auto WindowX = [this](double v) { return m_layout.WindowX(v); };
  auto WindowY = [this](double v) { return m_layout.WindowY(v); };
  // With a scale of at least 1 each family leaves the client area within its extent plus two
  // lines; the bound only guards the walk against values no layout produces.
  const int columns = r.Width() + 3;
  const int rows = r.Height() + 3;
  auto column = [&](int x) { Line(pDC, QPoint(x, r.top), QPoint(x, r.bottom)); };
  auto row = [&](int y) { Line(pDC, QPoint(r.left, y), QPoint(r.right, y)); };

  int n = 0;
  for (double k = 1.0; WindowX(k) < r.right && n < columns; k += 1.0, ++n) column(WindowX(k));
  n = 0;
  for (double k = 0.0; WindowX(k) > r.left && n < columns; k -= 1.0, ++n) column(WindowX(k));
  if (m_flags.vertical == 0) {
    n = 0;
    for (double k = 1.0; WindowY(-k) > r.top && n < rows; k += 1.0, ++n) row(WindowY(-k));
    n = 0;
    for (double k = 0.0; WindowY(-k) < r.bottom && n < rows; k -= 1.0, ++n) row(WindowY(-k));
  } else {
    n = 0;
    for (double k = 1.0; WindowY(k) < r.bottom && n < rows; k += 1.0, ++n) row(WindowY(k));
    n = 0;
    for (double k = 0.0; WindowY(k) > r.top && n < rows; k -= 1.0, ++n) row(WindowY(k));
  }
}

void DesignPainter::DrawOutline(CDC* pDC, double step) const {
  const double limit = m_flags.vertical == 0 ? 180.0 : 360.0;
  // A step finer than any screen needs (a scale far beyond the client area) is widened so that the
  // walk ends; a step that is not a number ends it after the first point.
  const double walkStep = step < kMinOutlineStep ? kMinOutlineStep : step;
  for (double t = 0.0; t <= limit; t += walkStep) {
    const QPoint p = OutlinePoint(t);
    if (t == 0.0)
      pDC->MoveTo(p.x(), p.y());
    else
      pDC->LineTo(p.x(), p.y());
  }
}

void DesignPainter::DrawCentreline(CDC* pDC) const {
  Line(pDC, OutlinePoint(0.0), OutlinePoint(180.0));
}
