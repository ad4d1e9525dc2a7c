// CVeskDoc: defaults, the refit sequence and the unit conversion commands.
#include "document/veskdoc.h"

#include "document/design_defaults.h"
#include "framework/vector_state.h"
#include "geometry/fit_shape.h"

bool CVeskDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return false;
  using namespace DesignDefaults;
  m_length = kLength;
  m_lowerBout = kLowerBout;
  m_waist = kWaist;
  m_upperBout = kUpperBout;
  m_a3 = kA3;
  m_a4 = kA4;
  m_a5 = kA5;
  m_a6 = kA6;
  m_holeDiameter = kHoleDiameter;
  m_holePosition = kHolePosition;
  m_scaleLength = kScaleLength;
  m_nutWidth = kNutWidth;
  m_fret12Width = kFret12Width;
  m_fret19Width = kFret19Width;
  m_holeDefined = 0;
  Refit();
  return true;
}

void CVeskDoc::Refit() {
  ClearUpperVectorState();
  m_fitValid = FitShape(m_length, m_lowerBout, m_waist, m_upperBout, m_a3, m_a4, m_a5, m_a6) == 0 ? 1 : 0;
  if (m_fitValid == 1) UpdateAllViews(nullptr, 0, nullptr);
}

void CVeskDoc::OnInToCm() {
  SetDesign(DesignInCentimetres(ToDesign()));
  Refit();
}

void CVeskDoc::OnCmToIn() {
  SetDesign(DesignInInches(ToDesign()));
  Refit();
}
