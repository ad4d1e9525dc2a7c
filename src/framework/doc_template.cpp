// CSingleDocTemplate: creation on first use, then reuse of the one document, frame and view.
#include "framework/doc_template.h"

#include <QStringList>

#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/framework_strings.h"
#include "framework/message_box.h"
#include "framework/view.h"
#include "framework/win_app.h"

CSingleDocTemplate::CSingleDocTemplate(int resourceId, const QString& docString, FrameResource resource,
                                       DocumentFactory document, FrameFactory frame, ViewFactory view)
    : m_resourceId(resourceId),
      m_docString(docString),
      m_resource(std::move(resource)),
      m_createDocument(std::move(document)),
      m_createFrame(std::move(frame)),
      m_createView(std::move(view)) {}

CSingleDocTemplate::~CSingleDocTemplate() {
  m_frame.reset();
  m_document.reset();
}

QString CSingleDocTemplate::GetDocString(DocStringIndex index) const {
  const QStringList fields = m_docString.split(QLatin1Char('\n'));
  return index < fields.size() ? fields[index] : QString();
}

bool CSingleDocTemplate::PrepareDocument(bool* created) {
  *created = false;
  if (m_document) return m_document->SaveModified();
  m_document = m_createDocument();
  m_frame = m_createFrame();
  std::unique_ptr<CView> view = m_createView();
  view->SetDocument(m_document.get());
  m_frame->SetActiveView(view.release());
  if (m_resource.title.isEmpty()) m_resource.title = GetDocString(windowTitle);
  m_frame->LoadFrame(m_resource);
  *created = true;
  return true;
}

void CSingleDocTemplate::DiscardCreated() {
  m_frame.reset();
  m_document.reset();
}

void CSingleDocTemplate::InitialUpdateFrame() {
  for (DocumentObserver* view : m_document->Views()) view->OnDocumentShown();
  m_frame->OnUpdateFrameTitle();
  m_frame->UpdateAllCmdUI();
}

CDocument* CSingleDocTemplate::NewDocument(Result* result) {
  Result outcome = Result::Done;
  bool created = false;
  if (!PrepareDocument(&created)) {
    outcome = Result::Cancelled;
  } else if (!m_document->OnNewDocument()) {
    MessageBox(AfxGetVisibleMainWnd(), FrameworkStrings::FailedToCreate());
    if (created) DiscardCreated();
    outcome = Result::Failed;
  } else {
    InitialUpdateFrame();
  }
  if (result) *result = outcome;
  return outcome == Result::Done ? m_document.get() : nullptr;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const QString& path, Result* result) {
  Result outcome = Result::Done;
  bool created = false;
  QString error;
  if (!PrepareDocument(&created)) {
    outcome = Result::Cancelled;
  } else if (!m_document->OnOpenDocument(path, &error)) {
    MessageBox(AfxGetVisibleMainWnd(), FrameworkStrings::FailedToOpen(error));
    if (created) DiscardCreated();
    outcome = Result::Failed;
  } else {
    if (CWinApp* app = AfxGetApp()) app->AddToRecentFileList(m_document->GetPathName());
    InitialUpdateFrame();
  }
  if (result) *result = outcome;
  return outcome == Result::Done ? m_document.get() : nullptr;
}
