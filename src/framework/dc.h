// CDC and CPen: the device context the drawing code paints with, over a QPainter. One-pixel pens
// are crisp (no antialiasing) and follow the device context's rules: LineTo moves the current
// position and leaves the end pixel unpainted, Ellipse fills its bounding box minus the right and
// bottom edges, TextOut puts the text's top-left corner at the point on an opaque background.
#pragma once

#include <QPen>
#include <QString>
#include <cstdint>
#include <functional>

#include "framework/rect.h"

class CDCObserver;
class QImage;
class QPainter;

// A colour as 0x00BBGGRR.
using COLORREF = uint32_t;
constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
QColor ToQColor(COLORREF color);

enum PenStyle { PS_SOLID = 0 };
enum StockObject { WHITE_BRUSH = 0, NULL_BRUSH = 5 };

class CPen {
 public:
  // Only solid pens exist; a width of 0 or 1 is the one-pixel cosmetic pen.
  CPen(int style, int width, COLORREF color);

  int Width() const { return m_width; }
  COLORREF Color() const { return m_color; }
  const QPen& Pen() const { return m_pen; }

 private:
  int m_width;
  COLORREF m_color;
  QPen m_pen;
};

class CDC {
 public:
  // painter may be null or inactive (a surface without pixels): every call then keeps the state
  // (current position, pen, brush) and paints nothing. client is the area OnDraw may paint.
  CDC(QPainter* painter, const CRect& client);
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // The client rectangle of the window or image this device context paints (left and top 0).
  void GetClientRect(CRect* rect) const { *rect = m_client; }

  // Fills with the colour, which also becomes the text background colour.
  void FillSolidRect(const CRect& rect, COLORREF color);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);

  // Returns the pen selected before; the device context starts with a one-pixel black pen.
  CPen* SelectObject(CPen* pen);
  // NULL_BRUSH or WHITE_BRUSH; returns the stock brush selected before (a fresh device context
  // has WHITE_BRUSH).
  int SelectStockObject(int object);

  void MoveTo(int x, int y);
  // A line from the current position to (x, y), without the pixel at (x, y); (x, y) becomes the
  // current position.
  void LineTo(int x, int y);
  // The ellipse inscribed in the box, outlined with the pen and filled with the brush.
  void Ellipse(int x1, int y1, int x2, int y2);
  // Black text in the default font, on the background colour, its top-left corner at (x, y).
  void TextOut(int x, int y, const QString& text);

  COLORREF GetBkColor() const { return m_bkColor; }
  // From now on every fill, line, ellipse and text is also told to the observer (null stops it),
  // painted or not.
  void SetObserver(CDCObserver* observer) { m_observer = observer; }

 private:
  bool CanPaint() const;
  void ApplyPen();
  // Fills the pixels from (left, top) to (right, bottom) inclusive that lie in the client area.
  void FillPixels(long long left, long long top, long long right, long long bottom, const QColor& color);
  void StrokeLine(int x1, int y1, int x2, int y2);

  QPainter* m_painter;
  CRect m_client;
  CPen m_stockPen;
  CPen* m_pen;
  int m_brush = WHITE_BRUSH;
  COLORREF m_bkColor = RGB(255, 255, 255);
  COLORREF m_textColor = RGB(0, 0, 0);
  int m_x = 0;
  int m_y = 0;
  CDCObserver* m_observer = nullptr;
};

// Runs paint on a device context over the image, the image being the client area. An image
// without pixels still runs the paint, on a device context that paints nothing.
void PaintInto(QImage* image, const std::function<void(CDC*)>& paint);
