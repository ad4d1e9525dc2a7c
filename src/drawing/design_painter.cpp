// DesignPainter: the paint sequence, and the paint into an image.
#include "drawing/design_painter.h"

#include <QImage>
#include <QPainter>

#include "document/veskdoc.h"
#include "framework/dc.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGridGrey = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);
}  // namespace

DesignPainter::DesignPainter(const CVeskDoc* doc, const FittedOutline& outline, const ViewFlags& flags,
                             const ViewLayout& layout)
    : m_doc(doc), m_outline(outline), m_flags(flags), m_layout(layout) {}

void DesignPainter::Paint(CDC* pDC) {
  CRect client;
  pDC->GetClientRect(&client);
  pDC->FillSolidRect(client, kWhite);
  CPen gridPen(PS_SOLID, 1, kGridGrey);
  CPen outlinePen(PS_SOLID, 1, kBlack);
  const int oldBrush = pDC->SelectStockObject(NULL_BRUSH);
  DrawDesign(pDC, client, &gridPen, &outlinePen);
  pDC->SelectStockObject(oldBrush);
}

void DesignPainter::DrawDesign(CDC* pDC, const CRect& client, CPen* gridPen, CPen* outlinePen) {
  if (!m_outline.Valid() || m_doc == nullptr) return;
  if (!m_layout.Choose(client, *m_doc, m_flags.vertical)) return;
  // The outline does not change during a paint: one side length serves the step and the text.
  const double sideLength = m_outline.SideLength(1.0);
  const double step = AngleStep(m_layout.scale, sideLength);

  CPen* oldPen = pDC->SelectObject(gridPen);
  DrawGrid(pDC, client);
  pDC->SelectObject(outlinePen);
  DrawOutline(pDC, step);
  DrawCentreline(pDC);
  if (m_doc->m_holeDefined != 0) {
    DrawFingerboard(pDC);
    DrawSoundhole(pDC);
  }
  DrawText(pDC, client, sideLength);
  // The pens die with this paint; the device context gets its own back first.
  pDC->SelectObject(oldPen);
}

void DesignPainter::Line(CDC* pDC, QPoint from, QPoint to) {
  pDC->MoveTo(from.x(), from.y());
  pDC->LineTo(to.x(), to.y());
}

void PaintDesign(CDC* pDC, const CVeskDoc* doc, const FittedOutline& outline, const ViewFlags& flags,
                 ViewLayout* layout) {
  DesignPainter painter(doc, outline, flags, *layout);
  painter.Paint(pDC);
  *layout = painter.Layout();
}

void PaintDesignInto(QImage* image, const CVeskDoc* doc, const FittedOutline& outline, const ViewFlags& flags,
                     ViewLayout* layout) {
  const CRect client(0, 0, image->width(), image->height());
  if (image->isNull()) {
    CDC dc(nullptr, client);
    PaintDesign(&dc, doc, outline, flags, layout);
    return;
  }
  QPainter painter(image);
  CDC dc(&painter, client);
  PaintDesign(&dc, doc, outline, flags, layout);
}
