// The design file's layout.
#include "document/design.h"

#include <QString>
#include <array>

#include "framework/archive.h"
#include "geometry/units.h"

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

// The fourteen lengths, in the order the unit conversion scales them.
std::array<double*, 14> Lengths(Design& d) {
  DesignShape& s = d.shape;
  return {&s.length,       &s.lowerBout, &s.waist,       &s.upperBout,   &s.a3,
          &s.a4,           &s.a5,        &s.a6,          &d.scaleLength, &d.holeDiameter,
          &d.holePosition, &d.nutWidth,  &d.fret12Width, &d.fret19Width};
}

}  // namespace

int DesignFileBytes(const Design& design) {
  return design.holeDefined != 0 ? kWithSoundholeBytes : kShapeBlockBytes;
}

Design DesignInCentimetres(const Design& inches) {
  Design d = inches;
  for (double* v : Lengths(d)) *v = *v * kCmPerInch;
  return d;
}

Design DesignInInches(const Design& centimetres) {
  Design d = centimetres;
  for (double* v : Lengths(d)) *v = *v / kCmPerInch;
  return d;
}

void SerializeDesign(CArchive& ar, Design& d) {
  DesignShape& s = d.shape;
  if (ar.IsStoring()) {
    ar << s.length << s.lowerBout << s.waist << s.upperBout << s.a3 << s.a4 << s.a5 << s.a6 << d.holeDefined;
    if (d.holeDefined != 0)
      ar << d.scaleLength << d.holeDiameter << d.holePosition << d.nutWidth << d.fret12Width << d.fret19Width
         << d.jointFret;
    return;
  }
  try {
    ar >> s.length >> s.lowerBout >> s.waist >> s.upperBout >> s.a3 >> s.a4 >> s.a5 >> s.a6 >> d.holeDefined;
  } catch (const CArchiveException&) {
    ThrowIncomplete(ar, false);
  }
  if (d.holeDefined != 0) {
    try {
      ar >> d.scaleLength >> d.holeDiameter >> d.holePosition >> d.nutWidth >> d.fret12Width >>
          d.fret19Width >> d.jointFret;
    } catch (const CArchiveException&) {
      ThrowIncomplete(ar, true);
    }
  }
}
