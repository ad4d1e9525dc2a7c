// What a device context is asked to draw, as it reaches the surface (painted or not), for a program
// that watches a paint: the tests compare paints call for call, the benchmarks replay one.
#pragma once

#include <QString>

#include "framework/dc.h"

class CDCObserver {
 public:
  virtual ~CDCObserver() = default;

  // FillSolidRect's arguments as given.
  virtual void OnFill(int x, int y, int cx, int cy, COLORREF color) = 0;
  // LineTo from the current position, with the pen in force.
  virtual void OnLine(int x1, int y1, int x2, int y2, const CPen& pen) = 0;
  // The bounding box as given, with the pen and stock brush in force.
  virtual void OnEllipse(int x1, int y1, int x2, int y2, const CPen& pen, int brush) = 0;
  // The top-left corner and the background colour the text is drawn on.
  virtual void OnText(int x, int y, const QString& text, COLORREF background) = 0;
};
