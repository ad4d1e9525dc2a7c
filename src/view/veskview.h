// CVeskView: the outline view. Every paint reads the document and the shape state afresh and draws
// the white area, the one-unit grid, the outline with its centreline, the soundhole and fingerboard,
// and the scale and data text. The paint steps live in veskview_*.cpp, one file per concern.
#pragma once

#include <QPoint>

#include "framework/view.h"

class CCmdUI;
class CDC;
class CPen;
class CVeskDoc;
struct CRect;

class CVeskView : public CView {
 public:
  explicit CVeskView(QWidget* parent = nullptr);
  ~CVeskView() override;

  CVeskDoc* GetDocument() const;

  // The paint sequence (veskview.cpp).
  void OnDraw(CDC* pDC) override;

  // The view's commands and its handler table (veskview_commands.cpp).
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override;
  void OnVertical();
  void OnUpdateVertical(CCmdUI* pCmdUI);
  void OnShowData();
  void OnUpdateShowData(CCmdUI* pCmdUI);
  void OnShowFingerboard();
  void OnUpdateShowFingerboard(CCmdUI* pCmdUI);
  void OnSideLength();
  // Edit > Input Shape and Input Soundhole: each runs its one dialog modally on this view and its
  // document; Input Soundhole is enabled only while the shape state holds a valid fit
  // (veskview_dialog_commands.cpp).
  void OnInputShape();
  void OnInputSoundhole();
  void OnUpdateInputSoundhole(CCmdUI* pCmdUI);

  // Model to window: v * m_scale + offset, truncated toward zero; values beyond the int range
  // saturate and NaN gives 0 (veskview_layout.cpp).
  int WindowX(double v) const;
  int WindowY(double v) const;
  // Outline parameter step for a scale: about one segment per pixel, at most 1 degree. The second
  // form takes SideLength(1.0) from a caller that already has it.
  double AngleStep(double scale) const;
  double AngleStep(double scale, double sideLength) const;

  // The document's fret and fingerboard values through the shared fretboard functions
  // (veskview_fingerboard.cpp).
  double FretPosition(double n) const;
  double FingerboardWidth(double d) const;

  // Set by each paint that finds a valid fit; 0 until the first one.
  double m_scale = 0.0;
  double m_offsetX = 0.0;
  double m_offsetY = 0.0;
  int m_vertical = 0;
  int m_showData = 0;
  int m_showFingerboard = 0;
  int m_fingerboardReady = 0;

  // Bounds that keep every paint finite whatever the document holds: frets drawn past the joint
  // fret, and the finest outline step (65536 segments per half outline, far beyond any screen).
  static constexpr int kMaxFrets = 64;
  static constexpr double kMinOutlineStep = 180.0 / 65536.0;

 protected:
  // Scale and offsets for the client area; false when the scale is below 1 or anything is not
  // finite, and the paint then shows only the white area (veskview_layout.cpp).
  bool ChooseLayout(const CRect& client, const CVeskDoc& doc);

  // veskview_outline.cpp
  void DrawGrid(CDC* pDC, const CRect& client) const;
  void DrawOutline(CDC* pDC, double step) const;
  void DrawCentreline(CDC* pDC) const;

  // veskview_fingerboard.cpp
  void DrawFingerboard(CDC* pDC, const CVeskDoc& doc) const;
  void DrawSoundhole(CDC* pDC, const CVeskDoc& doc) const;

  // veskview_overlay.cpp
  // sideLength: SideLength(1.0), measured once per paint.
  void DrawText(CDC* pDC, const CRect& client, const CVeskDoc& doc, double sideLength) const;

  // Window point of the outline at parameter t, in the current orientation.
  QPoint OutlinePoint(double t) const;
  // Window point at model x `along` on the body axis and `across` off it: (WX(along), WY(across))
  // horizontally, (WX(across), WY(along)) vertically.
  QPoint AxisPoint(double along, double across) const;
  static void Line(CDC* pDC, QPoint from, QPoint to);

 private:
  void DrawDesign(CDC* pDC, const CRect& client, CPen* gridPen, CPen* outlinePen);
};
