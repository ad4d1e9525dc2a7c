// DesignPainter: the fingerboard over the body (frets from the joint fret to the soundhole, the saddle
// line and the two tapering edges, as the shared fret layout places them) and the soundhole with
// its centre cross.
#include <cmath>

#include "document/veskdoc.h"
#include "drawing/design_painter.h"
#include "framework/dc.h"
#include "geometry/fret_layout.h"
#include "geometry/fretboard.h"

// Without a document there are no fret values: NaN.
double DesignPainter::FretPosition(double n) const {
  if (m_doc == nullptr) return std::nan("");
  return ::FretPosition(n, m_doc->m_jointFret, m_doc->m_scaleLength);
}

double DesignPainter::FingerboardWidth(double d) const {
  if (m_doc == nullptr) return std::nan("");
  return ::FingerboardWidth(d, m_doc->m_jointFret, m_doc->m_scaleLength, m_doc->m_nutWidth,
                            m_doc->m_fret12Width);
}

// The one fret layout (LayOutFrets) that the templates draw too. A layout that is not kOk (no joint
// fret, no positive scale, values that are not finite) leaves the fingerboard out.
void DesignPainter::DrawFingerboard(CDC* pDC) const {
  if (m_flags.showFingerboard == 0) return;
  const FretLayout layout = LayOutFrets(m_doc->FretInput());
  if (layout.status != FretLayoutStatus::kOk) return;
  // Stays selected: the soundhole drawn next is filled white over the frets and edges.
  pDC->SelectStockObject(WHITE_BRUSH);

  auto across = [&](const FretAcross& a) {
    Line(pDC, AxisPoint(a.at, a.width / 2), AxisPoint(a.at, -a.width / 2));
  };
  for (const FretAcross& fret : layout.frets) across(fret);
  across(layout.saddle);

  const FretAcross& s = layout.joint;
  const FretAcross& e = layout.end;
  Line(pDC, AxisPoint(s.at, -s.width / 2), AxisPoint(e.at, -e.width / 2));
  Line(pDC, AxisPoint(s.at, s.width / 2), AxisPoint(e.at, e.width / 2));
}

void DesignPainter::DrawSoundhole(CDC* pDC) const {
  const CVeskDoc& doc = *m_doc;
  const double p = doc.m_holePosition;
  const double r = doc.m_holeDiameter * 0.5;
  const ViewLayout& w = m_layout;
  if (m_flags.vertical == 0)
    pDC->Ellipse(w.WindowX(p - r), w.WindowY(r), w.WindowX(p + r), w.WindowY(-r));
  else
    pDC->Ellipse(w.WindowX(-r), w.WindowY(p - r), w.WindowX(r), w.WindowY(p + r));
  const double m = 0.1 * r;
  Line(pDC, AxisPoint(p - m, 0.0), AxisPoint(p + m, 0.0));
  Line(pDC, AxisPoint(p, -m), AxisPoint(p, m));
}
