// CView: document attachment and repaint on update.
#include "framework/view.h"

#include "framework/document.h"

CView::~CView() {
  if (m_document) m_document->RemoveView(this);
}

void CView::SetDocument(CDocument* doc) {
  if (m_document == doc) return;
  if (m_document) m_document->RemoveView(this);
  m_document = doc;
  if (m_document) m_document->AddView(this);
}

void CView::OnUpdate(CView*, long, void*) { update(); }

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
