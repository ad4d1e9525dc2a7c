// CVeskView: the grey one-unit grid through the neck end of the body, the black outline polyline
// and its centreline.
#include "framework/dc.h"
#include "geometry/outline.h"
#include "view/veskview.h"

QPoint CVeskView::OutlinePoint(double t) const {
  double x, y;
  OutlineXY(t, &x, &y);
  if (m_vertical == 0) return QPoint(WindowX(x), WindowY(-y));
  return QPoint(WindowX(y), WindowY(x));
}

QPoint CVeskView::AxisPoint(double along, double across) const {
  if (m_vertical == 0) return QPoint(WindowX(along), WindowY(across));
  return QPoint(WindowX(across), WindowY(along));
}

void CVeskView::DrawGrid(CDC* pDC, const CRect& r) const {
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
  if (m_vertical == 0) {
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

void CVeskView::DrawOutline(CDC* pDC, double step) const {
  const double limit = m_vertical == 0 ? 180.0 : 360.0;
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

void CVeskView::DrawCentreline(CDC* pDC) const { Line(pDC, OutlinePoint(0.0), OutlinePoint(180.0)); }
