// The design file: eight doubles and the soundhole flag, then, while the flag is set, the soundhole
// and fingerboard block (scale length first) and the joint fret. Loading ends with a refit.
#include "document/veskdoc.h"

#include "framework/archive.h"

void CVeskDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_length << m_lowerBout << m_waist << m_upperBout << m_a3 << m_a4 << m_a5 << m_a6 << m_holeDefined;
    if (m_holeDefined != 0)
      ar << m_scaleLength << m_holeDiameter << m_holePosition << m_nutWidth << m_fret12Width << m_fret19Width
         << m_jointFret;
    return;
  }
  ar >> m_length >> m_lowerBout >> m_waist >> m_upperBout >> m_a3 >> m_a4 >> m_a5 >> m_a6 >> m_holeDefined;
  if (m_holeDefined != 0)
    ar >> m_scaleLength >> m_holeDiameter >> m_holePosition >> m_nutWidth >> m_fret12Width >> m_fret19Width >>
        m_jointFret;
  Refit();
}

// A failed load restores every field as it stood before it.
void CVeskDoc::TakeSnapshot() {
  Snapshot s{{}, m_fitValid, m_holeDefined, m_jointFret};
  const auto lengths = Lengths();
  for (size_t i = 0; i < lengths.size(); ++i) s.lengths[i] = *lengths[i];
  m_snapshot = s;
}

void CVeskDoc::RestoreSnapshot() {
  if (!m_snapshot) return;
  const auto lengths = Lengths();
  for (size_t i = 0; i < lengths.size(); ++i) *lengths[i] = m_snapshot->lengths[i];
  m_fitValid = m_snapshot->fitValid;
  m_holeDefined = m_snapshot->holeDefined;
  m_jointFret = m_snapshot->jointFret;
  m_snapshot.reset();
}
