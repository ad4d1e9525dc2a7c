// The fuzz harness: load, check, then paint with everything on. Each input starts from the same state, a fitted new design marked modified (so
// that a load that touches the flag shows), so an input behaves the same in any order. The new
// design is fitted once and its shape state reused: the fit is most of an input's cost.
#include "design_harness.h"

#include <QImage>

#include "design_check.h"
#include "design_paint.h"
#include "design_state.h"
#include "document/veskdoc.h"
#include "geometry/shape_state.h"
#include "view/veskview.h"

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
  CVeskView view;  // attached before the load, which repaints it as in the window
  view.SetDocument(&doc);
  doc.SetModifiedFlag(true);
  const DesignState before = CaptureDesignState(doc);

  LoadOutcome outcome;
  outcome.loaded = doc.LoadFromBytes(bytes, QStringLiteral("input"), &outcome.error);
  std::string broken = CheckLoad(bytes, before, doc, outcome);
  // A refused load has just been shown to leave the start state bit for bit, and painting that
  // again would explore nothing: the paint is for what the bytes brought in.
  if (!broken.empty() || !outcome.loaded) return broken;
  // Small, so that an input's cost stays with the loader and the fit, yet the body is drawn at a
  // scale of at least 1 for the default design in both orientations.
  QImage image(96, 96, QImage::Format_RGB32);
  return PaintBothOrientations(view, image);
}
