// CVeskView: construction, the paint through DesignPainter, and what the dialogs ask of the view.
#include "view/veskview.h"

#include "document/veskdoc.h"
#include "drawing/design_painter.h"
#include "geometry/shape_state.h"

CVeskView::CVeskView(QWidget* parent) : CView(parent) {}

CVeskView::~CVeskView() = default;

CVeskDoc* CVeskView::GetDocument() const {
  return static_cast<CVeskDoc*>(CView::GetDocument());
}

void CVeskView::OnDraw(CDC* pDC) {
  ViewLayout layout = Layout();
  PaintDesign(pDC, GetDocument(), g_shapeState, Flags(), &layout);
  m_scale = layout.scale;
  m_offsetX = layout.offsetX;
  m_offsetY = layout.offsetY;
}

void CVeskView::Invalidate() {
  update();
}

int CVeskView::WindowX(double v) const {
  return Layout().WindowX(v);
}

int CVeskView::WindowY(double v) const {
  return Layout().WindowY(v);
}

double CVeskView::FretPosition(double n) const {
  return DesignPainter(GetDocument(), g_shapeState, Flags(), Layout()).FretPosition(n);
}

double CVeskView::FingerboardWidth(double d) const {
  return DesignPainter(GetDocument(), g_shapeState, Flags(), Layout()).FingerboardWidth(d);
}
