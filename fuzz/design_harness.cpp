// The fuzz harness. Each input starts from the same state (a fresh, fitted new design, marked
// modified so that a load that touches the flag shows), so an input behaves the same in any order.
#include "design_harness.h"

#include "design_check.h"
#include "design_state.h"
#include "document/veskdoc.h"
#include "geometry/shape_state.h"

std::string RunDesignInput(const QByteArray& bytes) {
  g_shapeState = ShapeState{};
  CVeskDoc doc;
  doc.OnNewDocument();
  doc.SetModifiedFlag(true);
  const DesignState before = CaptureDesignState(doc);

  LoadOutcome outcome;
  outcome.loaded = doc.LoadFromBytes(bytes, QStringLiteral("input"), &outcome.error);
  return CheckLoad(bytes, before, doc, outcome);
}
