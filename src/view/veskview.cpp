// CVeskView: construction and the paint sequence.
#include "view/veskview.h"

#include "document/veskdoc.h"
#include "framework/dc.h"
#include "geometry/outline.h"
#include "geometry/side_length.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGridGrey = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);
}  // namespace

CVeskView::CVeskView(QWidget* parent) : CView(parent) {}

CVeskView::~CVeskView() = default;

CVeskDoc* CVeskView::GetDocument() const { return static_cast<CVeskDoc*>(CView::GetDocument()); }

void CVeskView::OnDraw(CDC* pDC) {
  CRect client;
  pDC->GetClientRect(&client);
  pDC->FillSolidRect(client, kWhite);
  CPen gridPen(PS_SOLID, 1, kGridGrey);
  CPen outlinePen(PS_SOLID, 1, kBlack);
  const int oldBrush = pDC->SelectStockObject(NULL_BRUSH);
  DrawDesign(pDC, client, &gridPen, &outlinePen);
  pDC->SelectStockObject(oldBrush);
}

void CVeskView::DrawDesign(CDC* pDC, const CRect& client, CPen* gridPen, CPen* outlinePen) {
  const CVeskDoc* doc = GetDocument();
  if (IsFitValid() == 0 || doc == nullptr) return;
  if (!ChooseLayout(client, *doc)) return;
  // The shape state does not change during a paint: one side length serves the step and the text.
  const double sideLength = SideLength(1.0);
  const double step = AngleStep(m_scale, sideLength);

  CPen* oldPen = pDC->SelectObject(gridPen);
  DrawGrid(pDC, client);
  pDC->SelectObject(outlinePen);
  DrawOutline(pDC, step);
  DrawCentreline(pDC);
  if (doc->m_holeDefined != 0) {
    DrawFingerboard(pDC, *doc);
    DrawSoundhole(pDC, *doc);
  }
  DrawText(pDC, client, *doc, sideLength);
  // The pens die with this paint; the device context gets its own back first.
  pDC->SelectObject(oldPen);
}

void CVeskView::Line(CDC* pDC, QPoint from, QPoint to) {
  pDC->MoveTo(from.x(), from.y());
  pDC->LineTo(to.x(), to.y());
}
