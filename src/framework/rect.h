// CRect: a rectangle as left, top, right, bottom with right and bottom outside it, the way the
// drawing code walks its edges (a line "while x < right" stays inside).
#pragma once

#include <QRect>

struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  CRect() = default;
  CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
  explicit CRect(const QRect& r)
      : left(r.x()), top(r.y()), right(r.x() + r.width()), bottom(r.y() + r.height()) {}

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};
