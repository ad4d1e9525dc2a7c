// The design file: eight doubles and the soundhole flag, then, while the flag is set, the soundhole
// and fingerboard block (scale length first) and the joint fret. Loading ends with a refit.
#include <QString>

#include "document/veskdoc.h"
#include "framework/archive.h"

namespace {

constexpr int kShapeBlockBytes = 68;
constexpr int kWithSoundholeBytes = 120;

// Says what a file that ran out was missing, in the words its user knows.
[[noreturn]] void ThrowIncomplete(const CArchive& ar, bool soundholeFlag) {
  const qint64 got = ar.BytesTransferred();
  QString text;
  if (got == 0)
    text = QStringLiteral("the file is empty");
  else if (soundholeFlag)
    text =
        QStringLiteral("too short for its soundhole flag: %1 of %2 bytes").arg(got).arg(kWithSoundholeBytes);
  else
    text = QStringLiteral("too short: %1 of at least %2 bytes").arg(got).arg(kShapeBlockBytes);
  throw CArchiveException(text.toStdString());
}

}  // namespace

void CVeskDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_length << m_lowerBout << m_waist << m_upperBout << m_a3 << m_a4 << m_a5 << m_a6 << m_holeDefined;
    if (m_holeDefined != 0)
      ar << m_scaleLength << m_holeDiameter << m_holePosition << m_nutWidth << m_fret12Width << m_fret19Width
         << m_jointFret;
    return;
  }
  try {
    ar >> m_length >> m_lowerBout >> m_waist >> m_upperBout >> m_a3 >> m_a4 >> m_a5 >> m_a6 >> m_holeDefined;
  } catch (const CArchiveException&) {
    ThrowIncomplete(ar, false);
  }
  if (m_holeDefined != 0) {
    try {
      ar >> m_scaleLength >> m_holeDiameter >> m_holePosition >> m_nutWidth >> m_fret12Width >>
          m_fret19Width >> m_jointFret;
    } catch (const CArchiveException&) {
      ThrowIncomplete(ar, true);
    }
  }
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
