// DesignPainter: the fingerboard over the body (frets from the joint fret to the soundhole, the saddle
// line and the two tapering edges) and the soundhole with its centre cross.
#include <cmath>

#include "document/veskdoc.h"
#include "drawing/design_painter.h"
#include "framework/dc.h"
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

namespace {

// A joint fret of 0 or less, or no finite scale, leaves no nut to measure the taper from.
bool CanDrawFingerboard(const CVeskDoc& doc) {
  return doc.m_jointFret > 0 && doc.m_scaleLength != 0.0 && std::isfinite(doc.m_scaleLength);
}

}  // namespace

void DesignPainter::DrawFingerboard(CDC* pDC) const {
  const CVeskDoc& doc = *m_doc;
  if (m_flags.showFingerboard == 0 || !CanDrawFingerboard(doc)) return;
  // Stays selected: the soundhole drawn next is filled white over the frets and edges.
  pDC->SelectStockObject(WHITE_BRUSH);

  auto across = [&](double d, double w) { Line(pDC, AxisPoint(d, w / 2), AxisPoint(d, -w / 2)); };
  const double p = doc.m_holePosition;
  const double joint = static_cast<double>(doc.m_jointFret);
  const double saddle = FretPosition(0.0) + doc.m_scaleLength;

  // Frets converge on the saddle without reaching it: the walk also stops there and after
  // kMaxFrets frets, so a hole at or beyond the saddle still ends it.
  double end = joint + 1.0;
  for (int drawn = 0;; ++drawn, end += 1.0) {
    const double d = FretPosition(end);
    if (d >= p || d >= saddle || drawn >= kMaxFrets) break;
    across(d, FingerboardWidth(d));
  }

  across(saddle, FingerboardWidth(saddle));

  const double d0 = FretPosition(joint);
  const double w0 = FingerboardWidth(d0);
  const double de = FretPosition(end);
  const double we = FingerboardWidth(de);
  Line(pDC, AxisPoint(d0, -w0 / 2), AxisPoint(de, -we / 2));
  Line(pDC, AxisPoint(d0, w0 / 2), AxisPoint(de, we / 2));
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
