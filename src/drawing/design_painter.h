// vesk_drawing: the design's picture as a function of the document, its fitted outline, the view's
// switches and a device context, on QtGui alone; the window's view (with its last fit) and vesk-cli
// render (with its own) both paint through it.
//
// DesignPainter: one paint of the design. The white area, the one-unit grid, the outline with its
// centreline, the fingerboard and soundhole, and the scale and data text; the steps live in
// design_painter_*.cpp, one file per concern.
#pragma once

#include <QPoint>

#include "drawing/view_layout.h"
#include "geometry/fitted_outline.h"

class CDC;
class CPen;
class CVeskDoc;
class QImage;
struct CRect;

class DesignPainter {
 public:
  // layout is the one the previous paint chose; a paint that reaches the layout step replaces it.
  // outline must outlive the painter.
  DesignPainter(const CVeskDoc* doc, const FittedOutline& outline, const ViewFlags& flags,
                const ViewLayout& layout);

  // The whole client area of pDC. Draws the design only while the outline is a valid fit and the
  // scale is at least 1; otherwise only the white area.
  void Paint(CDC* pDC);
  const ViewLayout& Layout() const { return m_layout; }

  // The document's fret and fingerboard values through the shared fretboard functions; NaN
  // without a document.
  double FretPosition(double n) const;
  double FingerboardWidth(double d) const;

  // The finest outline step, which keeps every paint finite whatever the document holds: 65536
  // segments per half outline, far beyond any screen. (The fret walk has its own bound,
  // kMaxFretsOverBody.)
  static constexpr double kMinOutlineStep = 180.0 / 65536.0;

 private:
  // The steps of Paint, in its order; each needs the layout chosen.
  void DrawGrid(CDC* pDC, const CRect& client) const;
  void DrawOutline(CDC* pDC, double step) const;
  void DrawCentreline(CDC* pDC) const;
  void DrawFingerboard(CDC* pDC) const;
  void DrawSoundhole(CDC* pDC) const;
  // sideLength: the outline's SideLength(1.0), measured once per paint.
  void DrawText(CDC* pDC, const CRect& client, double sideLength) const;
  void DrawDesign(CDC* pDC, const CRect& client, CPen* gridPen, CPen* outlinePen);
  // Window point of the outline at parameter t, in the current orientation.
  QPoint OutlinePoint(double t) const;
  // Window point at model x `along` on the body axis and `across` off it: (WX(along), WY(across))
  // horizontally, (WX(across), WY(along)) vertically.
  QPoint AxisPoint(double along, double across) const;
  static void Line(CDC* pDC, QPoint from, QPoint to);

  const CVeskDoc* m_doc;
  const FittedOutline& m_outline;
  ViewFlags m_flags;
  ViewLayout m_layout;
};

// The paint as one call: paints pDC's client area and stores the layout the paint chose.
void PaintDesign(CDC* pDC, const CVeskDoc* doc, const FittedOutline& outline, const ViewFlags& flags,
                 ViewLayout* layout);

// PaintDesign with the image as the client area. An image without pixels still runs the paint,
// on a device context that paints nothing.
void PaintDesignInto(QImage* image, const CVeskDoc* doc, const FittedOutline& outline, const ViewFlags& flags,
                     ViewLayout* layout);
