// CDC over QPainter. Qt draws a one-pixel line with both ends painted and picks the same pixels
// whichever way the line runs; LineTo takes those pixels and drops the end pixel: a straight line
// is shortened by one pixel (and filled as a one-pixel-wide rectangle), a one-step line is its
// start pixel, and any other line is drawn clipped to the band of columns (or rows) short of the end.
#include "framework/dc.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "framework/dc_observer.h"
#include "framework/vector_state.h"

namespace {

// Qt's painting can leave the vector registers dirty (see vector_state.h); every call that reached
// the painter cleans them before the caller's arithmetic goes on.
struct CleanVectorStateOnReturn {
  CleanVectorStateOnReturn() = default;
  CleanVectorStateOnReturn(const CleanVectorStateOnReturn&) = delete;
  CleanVectorStateOnReturn& operator=(const CleanVectorStateOnReturn&) = delete;
  ~CleanVectorStateOnReturn() { ClearUpperVectorState(); }
};

}  // namespace

QColor ToQColor(COLORREF color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

CPen::CPen(int /*style: solid only*/, int width, COLORREF color) : m_width(width), m_color(color) {
  m_pen = QPen(ToQColor(color));
  if (width <= 1) {
    m_pen.setWidth(1);
    m_pen.setCosmetic(true);
    m_pen.setCapStyle(Qt::SquareCap);
  } else {
    m_pen.setWidth(width);
    m_pen.setCapStyle(Qt::RoundCap);
    m_pen.setJoinStyle(Qt::RoundJoin);
  }
}

CDC::CDC(QPainter* painter, const CRect& client)
    : m_painter(painter), m_client(client), m_stockPen(PS_SOLID, 1, RGB(0, 0, 0)), m_pen(&m_stockPen) {
  // A paint is mostly double arithmetic: start it with the vector registers clean.
  const CleanVectorStateOnReturn clean;
  if (!CanPaint()) return;
  m_painter->setRenderHint(QPainter::Antialiasing, false);
  m_painter->setBrush(Qt::white);
  ApplyPen();
}

bool CDC::CanPaint() const {
  return m_painter != nullptr && m_painter->isActive();
}

void CDC::ApplyPen() {
  if (!CanPaint()) return;
  const CleanVectorStateOnReturn clean;
  m_painter->setPen(m_pen->Pen());
}

void CDC::FillPixels(long long left, long long top, long long right, long long bottom, const QColor& color) {
  left = std::max<long long>(left, m_client.left);
  top = std::max<long long>(top, m_client.top);
  right = std::min<long long>(right, static_cast<long long>(m_client.right) - 1);
  bottom = std::min<long long>(bottom, static_cast<long long>(m_client.bottom) - 1);
  if (right < left || bottom < top) return;
  const CleanVectorStateOnReturn clean;
  m_painter->fillRect(QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left + 1),
                            static_cast<int>(bottom - top + 1)),
                      color);
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
  FillSolidRect(rect.left, rect.top, rect.Width(), rect.Height(), color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  m_bkColor = color;
  if (m_observer) m_observer->OnFill(x, y, cx, cy, color);
  if (!CanPaint()) return;
  // 64-bit edges, so that no sum can overflow.
  FillPixels(x, y, static_cast<long long>(x) + cx - 1, static_cast<long long>(y) + cy - 1, ToQColor(color));
}

CPen* CDC::SelectObject(CPen* pen) {
  CPen* previous = m_pen;
  m_pen = pen ? pen : &m_stockPen;
  ApplyPen();
  return previous;
}

int CDC::SelectStockObject(int object) {
  const int previous = m_brush;
  m_brush = object == NULL_BRUSH ? NULL_BRUSH : WHITE_BRUSH;
  if (CanPaint()) {
    const CleanVectorStateOnReturn clean;
    m_painter->setBrush(m_brush == NULL_BRUSH ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
  }
  return previous;
}

void CDC::MoveTo(int x, int y) {
  m_x = x;
  m_y = y;
}

void CDC::LineTo(int x, int y) {
  if (m_observer) m_observer->OnLine(m_x, m_y, x, y, *m_pen);
  if (CanPaint()) {
    const CleanVectorStateOnReturn clean;
    StrokeLine(m_x, m_y, x, y);
  }
  m_x = x;
  m_y = y;
}

void CDC::StrokeLine(int x1, int y1, int x2, int y2) {
  const long long dx = static_cast<long long>(x2) - x1;
  const long long dy = static_cast<long long>(y2) - y1;
  if (dx == 0 && dy == 0) return;
  if (m_pen->Width() > 1) {
    m_painter->drawLine(QLineF(x1, y1, x2, y2));
    return;
  }
  if (std::llabs(dx) <= 1 && std::llabs(dy) <= 1) {
    m_painter->drawPoint(x1, y1);
    return;
  }
  if (dx == 0 || dy == 0) {
    // From the start to the pixel before the end; a one-pixel-wide fill paints the same pixels as
    // Qt's line, many times faster for the long grid lines.
    const long long endX = x2 - (dx > 0 ? 1 : dx < 0 ? -1 : 0);
    const long long endY = y2 - (dy > 0 ? 1 : dy < 0 ? -1 : 0);
    FillPixels(std::min<long long>(x1, endX), std::min<long long>(y1, endY), std::max<long long>(x1, endX),
               std::max<long long>(y1, endY), m_pen->Pen().color());
    return;
  }
  // The band of the line's bounding box without the end's column (x-major) or row (y-major),
  // in doubles and cut to the client area.
  double left = std::min(x1, x2), right = std::max(x1, x2) + 1.0;
  double top = std::min(y1, y2), bottom = std::max(y1, y2) + 1.0;
  if (std::llabs(dx) >= std::llabs(dy)) {
    if (dx > 0)
      right = x2;
    else
      left = x2 + 1.0;
  } else {
    if (dy > 0)
      bottom = y2;
    else
      top = y2 + 1.0;
  }
  left = std::max(left, static_cast<double>(m_client.left));
  top = std::max(top, static_cast<double>(m_client.top));
  right = std::min(right, static_cast<double>(m_client.right));
  bottom = std::min(bottom, static_cast<double>(m_client.bottom));
  if (right <= left || bottom <= top) return;
  m_painter->setClipRect(QRectF(left, top, right - left, bottom - top), Qt::ReplaceClip);
  m_painter->drawLine(QLine(x1, y1, x2, y2));
  m_painter->setClipping(false);
}

void CDC::Ellipse(int x1, int y1, int x2, int y2) {
  if (m_observer) m_observer->OnEllipse(x1, y1, x2, y2, *m_pen, m_brush);
  if (!CanPaint()) return;
  const CleanVectorStateOnReturn clean;
  const double left = std::min(x1, x2), right = std::max(x1, x2);
  const double top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (right == left || bottom == top) return;
  // Qt's outline covers x .. x + width; the box's own right and bottom edges stay unpainted.
  m_painter->drawEllipse(QRectF(left, top, right - left - 1.0, bottom - top - 1.0));
}

void CDC::TextOut(int x, int y, const QString& text) {
  if (m_observer) m_observer->OnText(x, y, text, m_bkColor);
  if (!CanPaint()) return;
  const CleanVectorStateOnReturn clean;
  const QFontMetrics metrics(m_painter->font());
  const double width = metrics.horizontalAdvance(text);
  const double height = metrics.height();
  // Text wholly outside the client area paints nothing; skipping it keeps far coordinates from Qt.
  if (x >= m_client.right || y >= m_client.bottom || x + width <= m_client.left || y + height <= m_client.top)
    return;
  m_painter->fillRect(QRectF(x, y, width, height), ToQColor(m_bkColor));
  m_painter->setPen(ToQColor(m_textColor));
  m_painter->drawText(QPointF(x, y + metrics.ascent()), text);
  ApplyPen();
}

void PaintInto(QImage* image, const std::function<void(CDC*)>& paint) {
  const CRect client(0, 0, image->width(), image->height());
  if (image->isNull()) {
    CDC dc(nullptr, client);
    paint(&dc);
    return;
  }
  QPainter painter(image);
  CDC dc(&painter, client);
  paint(&dc);
}
