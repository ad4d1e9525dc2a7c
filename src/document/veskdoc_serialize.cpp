// The design file through the document: the shared layout (document/design.h), then a refit.
#include "document/veskdoc.h"
#include "framework/archive.h"

void CVeskDoc::Serialize(CArchive& ar) {
  Design design = ToDesign();
  SerializeDesign(ar, design);
  if (ar.IsStoring()) return;
  SetDesign(design);
  Refit();
}

Design CVeskDoc::ToDesign() const {
  return Design{Shape(),       m_holeDiameter, m_holePosition, m_scaleLength, m_nutWidth,
                m_fret12Width, m_fret19Width,  m_holeDefined,  m_jointFret};
}

void CVeskDoc::SetDesign(const Design& d) {
  m_length = d.shape.length;
  m_lowerBout = d.shape.lowerBout;
  m_waist = d.shape.waist;
  m_upperBout = d.shape.upperBout;
  m_a3 = d.shape.a3;
  m_a4 = d.shape.a4;
  m_a5 = d.shape.a5;
  m_a6 = d.shape.a6;
  m_holeDiameter = d.holeDiameter;
  m_holePosition = d.holePosition;
  m_scaleLength = d.scaleLength;
  m_nutWidth = d.nutWidth;
  m_fret12Width = d.fret12Width;
  m_fret19Width = d.fret19Width;
  m_holeDefined = d.holeDefined;
  m_jointFret = d.jointFret;
}

// A failed load restores every field as it stood before it.
void CVeskDoc::TakeSnapshot() {
  m_snapshot = Snapshot{ToDesign(), m_fitValid};
}

void CVeskDoc::RestoreSnapshot() {
  if (!m_snapshot) return;
  SetDesign(m_snapshot->design);
  m_fitValid = m_snapshot->fitValid;
  m_snapshot.reset();
}
