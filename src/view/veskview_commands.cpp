// CVeskView's command table, the three display toggles with their check marks, and the side length.
// A toggle repaints the whole client area; nothing is drawn here.
#include <QString>

#include "document/command_ids.h"
#include "framework/cmd_ui.h"
#include "framework/message_box.h"
#include "geometry/side_length.h"
#include "view/veskview.h"

namespace {
// Shown while the soundhole dialog has not found the fingerboard data sufficient.
const char kInsufficientFingerboardData[] =
    "Insufficient data to draw fingerboard,  Return to\nSoundhole dialog and ensure scale and fingerboard\n"
    "widths at nut and fret 12 are properly defined,";
}  // namespace

bool CVeskView::OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) {
  using Map = MessageMap<CVeskView>;
  static const Map map{
      Map::OnCommand(ID_VIEW_VERTICAL, &CVeskView::OnVertical),
      Map::OnUpdate(ID_VIEW_VERTICAL, &CVeskView::OnUpdateVertical),
      Map::OnCommand(ID_VIEW_SIDELENGTH, &CVeskView::OnSideLength),
      Map::OnCommand(ID_VIEW_SHOWDATA, &CVeskView::OnShowData),
      Map::OnUpdate(ID_VIEW_SHOWDATA, &CVeskView::OnUpdateShowData),
      Map::OnCommand(ID_VIEW_SHOWFINGERBOARD, &CVeskView::OnShowFingerboard),
      Map::OnUpdate(ID_VIEW_SHOWFINGERBOARD, &CVeskView::OnUpdateShowFingerboard),
      Map::OnCommand(ID_EDIT_INPUTSHAPE, &CVeskView::OnInputShape),
      Map::OnCommand(ID_EDIT_INPUTSOUNDHOLE, &CVeskView::OnInputSoundhole),
      Map::OnUpdate(ID_EDIT_INPUTSOUNDHOLE, &CVeskView::OnUpdateInputSoundhole),
  };
  return map.Dispatch(this, id, msg, ui) || CView::OnCmdMsg(id, msg, ui);
}

void CVeskView::OnVertical() {
  m_vertical = !m_vertical;
  update();
}

void CVeskView::OnUpdateVertical(CCmdUI* pCmdUI) {
  pCmdUI->Enable(true);
  pCmdUI->SetCheck(m_vertical);
}

void CVeskView::OnShowData() {
  m_showData = !m_showData;
  update();
}

void CVeskView::OnUpdateShowData(CCmdUI* pCmdUI) {
  pCmdUI->Enable(true);
  pCmdUI->SetCheck(m_showData);
}

// While the data are insufficient the fingerboard can be switched neither on nor off.
void CVeskView::OnShowFingerboard() {
  if (m_fingerboardReady == 0) {
    MessageBox(this, QString::fromLatin1(kInsufficientFingerboardData), QString(), MB_OK);
    return;
  }
  m_showFingerboard = !m_showFingerboard;
  update();
}

void CVeskView::OnUpdateShowFingerboard(CCmdUI* pCmdUI) {
  pCmdUI->Enable(true);
  pCmdUI->SetCheck(m_showFingerboard);
}

// The length of whatever outline the shape state holds, in the document's unit, with no unit shown.
void CVeskView::OnSideLength() {
  MessageBox(this, QString::asprintf("%6f", SideLength(1.0)), QString(), MB_OK);
}
