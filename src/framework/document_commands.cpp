// CDocument's framework commands: Save, Save As and the "save changes?" question. Failures are
// reported here; the document itself is left as it was by a failed save. The file dialog and the
// recent-file list belong to the program (DocumentHost), so none of this needs widgets.
#include "framework/document.h"
#include "framework/framework_strings.h"
#include "framework/message_box.h"
#include "framework/standard_ids.h"

namespace {
DocumentHost* g_host = nullptr;

QWidget* DialogParent() {
  return g_host ? g_host->DialogParent() : nullptr;
}
}  // namespace

DocumentHost* DocumentHost::Get() {
  return g_host;
}

void DocumentHost::Set(DocumentHost* host) {
  g_host = host;
}

bool CDocument::OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) {
  using Map = MessageMap<CDocument>;
  static const Map map{
      Map::OnCommand(ID_FILE_SAVE, &CDocument::OnFileSave),
      Map::OnCommand(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs),
  };
  return map.Dispatch(this, id, msg, ui) || CCmdTarget::OnCmdMsg(id, msg, ui);
}

void CDocument::OnFileSave() {
  DoFileSave();
}

void CDocument::OnFileSaveAs() {
  DoSave(QString());
}

bool CDocument::SaveModified() {
  if (!IsModified()) return true;
  switch (MessageBox(DialogParent(), FrameworkStrings::SaveChangesPrompt(GetTitle()), QString(),
                     MB_YESNOCANCEL)) {
    case IDYES:
      return DoFileSave();
    case IDNO:
      return true;
    default:
      return false;
  }
}

bool CDocument::DoFileSave() {
  return DoSave(GetPathName());
}

bool CDocument::DoSave(const QString& path) {
  QString target = path;
  if (target.isEmpty()) {
    target = GetPathName().isEmpty() ? GetTitle() : GetPathName();
    if (!g_host || !g_host->PromptSaveFileName(target) || target.isEmpty()) return false;
  }
  QString error;
  if (!OnSaveDocument(target, &error)) {
    MessageBox(DialogParent(), FrameworkStrings::FailedToSave(error));
    return false;
  }
  if (g_host) g_host->AddToRecentFileList(GetPathName());
  UpdateFrameTitles();
  return true;
}

void CDocument::UpdateFrameTitles() {
  for (DocumentObserver* view : Views()) view->OnDocumentRetitled();
}
