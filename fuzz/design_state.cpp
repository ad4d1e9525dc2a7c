// Capture and bitwise comparison of a design's state.
#include "design_state.h"

#include <cstring>

#include "document/veskdoc.h"

namespace {

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string ShapeDifference(const ShapeState& a, const ShapeState& b) {
  for (int i = 0; i < 7; ++i)
    if (!SameBits(a.coeff[i], b.coeff[i])) return "shape coefficient a" + std::to_string(i);
  if (!SameBits(a.verticalScale, b.verticalScale)) return "shape vertical scale";
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 5; ++c)
      if (!SameBits(a.fitSystem[r][c], b.fitSystem[r][c])) return "shape fitting system";
  for (int i = 0; i < 8; ++i)
    if (!SameBits(a.extrema[i].angle, b.extrema[i].angle) || a.extrema[i].kind != b.extrema[i].kind)
      return "shape extremum " + std::to_string(i);
  if (a.errorText != b.errorText) return "shape error text";
  if (a.fitValid != b.fitValid) return "shape fit-valid flag";
  return {};
}

}  // namespace

DesignState CaptureDesignState(const CVeskDoc& doc) {
  DesignState s;
  s.lengths = {doc.m_length,      doc.m_lowerBout, doc.m_waist,       doc.m_upperBout,    doc.m_a3,
               doc.m_a4,          doc.m_a5,        doc.m_a6,          doc.m_holeDiameter, doc.m_holePosition,
               doc.m_scaleLength, doc.m_nutWidth,  doc.m_fret12Width, doc.m_fret19Width};
  s.fitValid = doc.m_fitValid;
  s.holeDefined = doc.m_holeDefined;
  s.jointFret = doc.m_jointFret;
  s.title = doc.GetTitle();
  s.modified = doc.IsModified();
  s.shape = g_shapeState;
  return s;
}

std::string DesignStateDifference(const DesignState& a, const DesignState& b) {
  for (size_t i = 0; i < a.lengths.size(); ++i)
    if (!SameBits(a.lengths[i], b.lengths[i])) return "document length field " + std::to_string(i);
  if (a.fitValid != b.fitValid) return "m_fitValid";
  if (a.holeDefined != b.holeDefined) return "m_holeDefined";
  if (a.jointFret != b.jointFret) return "m_jointFret";
  if (a.title != b.title) return "title";
  if (a.modified != b.modified) return "modified flag";
  return ShapeDifference(a.shape, b.shape);
}
