// CDocument's framework commands: Save, Save As and the "save changes?" question. Failures are
// reported here; the document itself is left as it was by a failed save.
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/framework_strings.h"
#include "framework/message_box.h"
#include "framework/standard_ids.h"
#include "framework/view.h"
#include "framework/win_app.h"

bool CDocument::OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) {
  using Map = MessageMap<CDocument>;
  static const Map map{
      Map::OnCommand(ID_FILE_SAVE, &CDocument::OnFileSave),
      Map::OnCommand(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs),
  };
  return map.Dispatch(this, id, msg, ui) || CCmdTarget::OnCmdMsg(id, msg, ui);
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(QString()); }

bool CDocument::SaveModified() {
  if (!IsModified()) return true;
  switch (MessageBox(AfxGetVisibleMainWnd(), FrameworkStrings::SaveChangesPrompt(GetTitle()), QString(),
                     MB_YESNOCANCEL)) {
    case IDYES:
      return DoFileSave();
    case IDNO:
      return true;
    default:
      return false;
  }
}

bool CDocument::DoFileSave() { return DoSave(GetPathName()); }

bool CDocument::DoSave(const QString& path) {
  QString target = path;
  if (target.isEmpty()) {
    CWinApp* app = AfxGetApp();
    target = GetPathName().isEmpty() ? GetTitle() : GetPathName();
    if (!app || !app->DoPromptFileName(target, false) || target.isEmpty()) return false;
  }
  QString error;
  if (!OnSaveDocument(target, &error)) {
    MessageBox(AfxGetVisibleMainWnd(), FrameworkStrings::FailedToSave(error));
    return false;
  }
  if (CWinApp* app = AfxGetApp()) app->AddToRecentFileList(GetPathName());
  UpdateFrameTitles();
  return true;
}

void CDocument::UpdateFrameTitles() {
  for (CView* view : Views())
    if (auto* frame = dynamic_cast<CFrameWnd*>(view->window())) frame->OnUpdateFrameTitle();
}
