// The observer's calls as DrawCall records.
#include "common/draw_call_recorder.h"

#include <algorithm>

void DrawCallRecorder::OnFill(int x, int y, int cx, int cy, COLORREF color) {
  // The far corner in 64 bits first, as the fill itself computes it.
  calls.push_back({DrawCall::Fill,
                   x,
                   y,
                   static_cast<int>(static_cast<long long>(x) + cx),
                   static_cast<int>(static_cast<long long>(y) + cy),
                   color,
                   0,
                   0,
                   {}});
}

void DrawCallRecorder::OnLine(int x1, int y1, int x2, int y2, const CPen& pen) {
  calls.push_back({DrawCall::Line, x1, y1, x2, y2, pen.Color(), pen.Width(), 0, {}});
}

void DrawCallRecorder::OnEllipse(int x1, int y1, int x2, int y2, const CPen& pen, int brush) {
  calls.push_back({DrawCall::Ellipse, x1, y1, x2, y2, pen.Color(), pen.Width(), brush, {}});
}

void DrawCallRecorder::OnText(int x, int y, const QString& text, COLORREF background) {
  calls.push_back({DrawCall::Text, x, y, 0, 0, background, 0, 0, text});
}

long long CountLines(const DrawCalls& calls) {
  return std::count_if(calls.begin(), calls.end(),
                       [](const DrawCall& c) { return c.kind == DrawCall::Line; });
}

DrawCalls RecordPaint(QImage* image, const std::function<void(CDC*)>& paint) {
  DrawCallRecorder recorder;
  PaintInto(image, [&](CDC* dc) {
    dc->SetObserver(&recorder);
    paint(dc);
    dc->SetObserver(nullptr);
  });
  return recorder.calls;
}
