// DesignPainter: the scale number at the top-left corner and, when shown, the four body measurements
// and the side length below it, 20 pixels apart.
#include "document/veskdoc.h"
#include "drawing/design_painter.h"
#include "drawing/overlay_text.h"
#include "framework/dc.h"

void DesignPainter::DrawText(CDC* pDC, const CRect& client, double sideLength) const {
  const CVeskDoc& doc = *m_doc;
  const int x = client.left;
  int y = client.top;
  pDC->TextOut(x, y, ScaleText(m_layout.scale));
  if (m_flags.showData == 0) return;
  const auto lines = DataLines(doc.m_length, doc.m_lowerBout, doc.m_waist, doc.m_upperBout, sideLength);
  y += 40;
  pDC->TextOut(x, y, lines[0]);
  for (int i = 1; i < 5; ++i) {
    y += 20;
    pDC->TextOut(x, y, lines[i]);
  }
}
