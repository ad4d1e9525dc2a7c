// The view's two dialog commands. Each dialog is one object for the whole run, made on first use
// and reused; it is told the document and the view before every run, and changes them itself, so
// the result of the run is not needed.
#include "dialogs/shapedlg.h"
#include "dialogs/soundholedlg.h"
#include "geometry/outline.h"
#include "view/veskview.h"

void CVeskView::OnInputShape() {
  static CShapeDlg dlg;
  dlg.m_pDoc = GetDocument();
  dlg.m_pView = this;
  dlg.DoModal();
}

void CVeskView::OnInputSoundhole() {
  static CSoundholeDlg dlg;
  dlg.m_pDoc = GetDocument();
  dlg.m_pView = this;
  dlg.DoModal();
}

void CVeskView::OnUpdateInputSoundhole(CCmdUI* pCmdUI) {
  pCmdUI->Enable(IsFitValid() != 0);
}
