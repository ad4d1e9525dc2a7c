// Every field of a CVeskDoc as one value, compared bit for bit, for tests that must show that an
// operation changed nothing (or exactly what it should).
#pragma once

#include <array>
#include <cstdint>
#include <ostream>

#include "common/design_bytes.h"
#include "document/veskdoc.h"

struct DocFields {
  std::array<double, 14> lengths;  // declaration order: length ... fret19Width
  int32_t fitValid, holeDefined, jointFret;

  static DocFields Of(const CVeskDoc& d) {
    return {
        {d.m_length, d.m_lowerBout, d.m_waist, d.m_upperBout, d.m_a3, d.m_a4, d.m_a5, d.m_a6,
         d.m_holeDiameter, d.m_holePosition, d.m_scaleLength, d.m_nutWidth, d.m_fret12Width, d.m_fret19Width},
        d.m_fitValid,
        d.m_holeDefined,
        d.m_jointFret};
  }

  bool operator==(const DocFields& o) const {
    for (size_t i = 0; i < lengths.size(); ++i)
      if (!designbytes::SameBits(lengths[i], o.lengths[i])) return false;
    return fitValid == o.fitValid && holeDefined == o.holeDefined && jointFret == o.jointFret;
  }
};

inline std::ostream& operator<<(std::ostream& os, const DocFields& f) {
  os << "{";
  for (double d : f.lengths) os << d << " ";
  return os << "fitValid " << f.fitValid << " holeDefined " << f.holeDefined << " jointFret " << f.jointFret
            << "}";
}

// Sets every field to a value no operation under test produces by itself.
inline void FillWithMarkers(CVeskDoc& d) {
  double* lengths[] = {&d.m_length,       &d.m_lowerBout,    &d.m_waist,       &d.m_upperBout,
                       &d.m_a3,           &d.m_a4,           &d.m_a5,          &d.m_a6,
                       &d.m_holeDiameter, &d.m_holePosition, &d.m_scaleLength, &d.m_nutWidth,
                       &d.m_fret12Width,  &d.m_fret19Width};
  double v = 101.0;
  for (double* p : lengths) *p = (v += 1.0);
  d.m_fitValid = 1;
  d.m_holeDefined = 1;
  d.m_jointFret = 14;
}
