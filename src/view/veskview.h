// vesk_view: the window's view widget over the headless paint, and its commands; it owns the two
// input dialogs and is the view they reach through CDialogViewLink.
//
// CVeskView: the outline view. Every paint reads the document and the shape state afresh and paints
// through DesignPainter (src/drawing/) with the view's four switches; the scale and origin it chose
// stay in m_scale, m_offsetX and m_offsetY.
#pragma once

#include "dialogs/dialog_view_link.h"
#include "drawing/view_layout.h"
#include "framework/view.h"
#include "geometry/side_length.h"

class CCmdUI;
class CDC;
class CVeskDoc;

class CVeskView : public CView, public CDialogViewLink {
 public:
  explicit CVeskView(QWidget* parent = nullptr);
  ~CVeskView() override;

  CVeskDoc* GetDocument() const;

  // The paint (veskview.cpp).
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

  // What the dialogs ask of the view (CDialogViewLink): a repaint, and the fingerboard verdict.
  void Invalidate() override;
  void SetFingerboardReady(int ready) override { m_fingerboardReady = ready; }

  // Model to window with the last paint's layout (ViewLayout::WindowX and WindowY).
  int WindowX(double v) const;
  int WindowY(double v) const;
  // Outline parameter step for a scale: about one segment per pixel, at most 1 degree.
  double AngleStep(double scale) const { return ::AngleStep(scale, SideLength(1.0)); }

  // The document's fret and fingerboard values through the shared fretboard functions; NaN
  // without a document.
  double FretPosition(double n) const;
  double FingerboardWidth(double d) const;

  ViewFlags Flags() const { return {m_vertical, m_showData, m_showFingerboard, m_fingerboardReady}; }
  ViewLayout Layout() const { return {m_scale, m_offsetX, m_offsetY}; }

  // Set by each paint that finds a valid fit; 0 until the first one.
  double m_scale = 0.0;
  double m_offsetX = 0.0;
  double m_offsetY = 0.0;
  int m_vertical = 0;
  int m_showData = 0;
  int m_showFingerboard = 0;
  int m_fingerboardReady = 0;
};
