// The fuzz harness. Each input starts from the same state, a fitted new design marked modified (so
// that a load that touches the flag shows), so an input behaves the same in any order. The new
// design is fitted once and its shape state reused: the fit is most of an input's cost.
#include "design_harness.h"

#include "design_check.h"
#include "design_state.h"
#include "document/veskdoc.h"
#include "geometry/shape_state.h"

namespace {

const ShapeState& FittedNewDesign() {
  static const ShapeState fitted = [] {
    CVeskDoc doc;
    doc.OnNewDocument();
    return g_shapeState;
  }();
  return fitted;
}

}  // namespace

std::string RunDesignInput(const QByteArray& bytes) {
  const ShapeState& start = FittedNewDesign();
  g_shapeState = start;
  CVeskDoc doc;  // holds the new-design values
  doc.m_fitValid = start.fitValid;
  doc.SetModifiedFlag(true);
  const DesignState before = CaptureDesignState(doc);

  LoadOutcome outcome;
  outcome.loaded = doc.LoadFromBytes(bytes, QStringLiteral("input"), &outcome.error);
  return CheckLoad(bytes, before, doc, outcome);
}
