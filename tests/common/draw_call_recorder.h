// Every drawing call of a device context as it reached the surface, with the pen and brush in
// force, so that tests can compare two paints call for call and benchmarks can replay one.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "framework/dc_observer.h"

struct DrawCall {
  enum Kind { Fill, Line, Ellipse, Text };
  Kind kind = Fill;
  // Fill: the rectangle's corners (right and bottom outside); Line: from (x1, y1) to (x2, y2);
  // Ellipse: the bounding box as passed; Text: the top-left corner in x1, y1.
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  // Fill: the fill colour; Line and Ellipse: the pen's colour; Text: the background colour.
  uint32_t color = 0;
  // Line and Ellipse: the pen's width.
  int penWidth = 0;
  // Ellipse: the stock brush (WHITE_BRUSH or NULL_BRUSH).
  int brush = 0;
  QString text;

  bool operator==(const DrawCall& o) const {
    return kind == o.kind && x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2 && color == o.color &&
           penWidth == o.penWidth && brush == o.brush && text == o.text;
  }
  bool operator!=(const DrawCall& o) const { return !(*this == o); }
};

using DrawCalls = std::vector<DrawCall>;

// Watches the device context it is given (dc.SetObserver) and appends each call to calls.
class DrawCallRecorder : public CDCObserver {
 public:
  void OnFill(int x, int y, int cx, int cy, COLORREF color) override;
  void OnLine(int x1, int y1, int x2, int y2, const CPen& pen) override;
  void OnEllipse(int x1, int y1, int x2, int y2, const CPen& pen, int brush) override;
  void OnText(int x, int y, const QString& text, COLORREF background) override;

  DrawCalls calls;
};

long long CountLines(const DrawCalls& calls);

// Paints into the image (framework's PaintInto) and returns every call the paint made.
DrawCalls RecordPaint(QImage* image, const std::function<void(CDC*)>& paint);
