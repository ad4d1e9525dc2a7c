// CView: document attachment, repaint on update, and the paint through OnDraw.
#include "framework/view.h"

#include <QPainter>

#include "framework/dc.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/message_box_widgets.h"

CView::CView(QWidget* parent) : QWidget(parent) {
  InstallWidgetMessageBoxes();
}

CView::~CView() {
  if (m_document) m_document->RemoveView(this);
}

void CView::SetDocument(CDocument* doc) {
  if (m_document == doc) return;
  if (m_document) m_document->RemoveView(this);
  m_document = doc;
  if (m_document) m_document->AddView(this);
}

void CView::OnUpdate(CView*, long, void*) {
  update();
}

void CView::OnInitialUpdate() {
  OnUpdate(nullptr, 0, nullptr);
}

// Every observer of a document is a view, so the sender is one too (or null).
void CView::OnDocumentUpdate(DocumentObserver* sender, long hint, void* hintObject) {
  OnUpdate(dynamic_cast<CView*>(sender), hint, hintObject);
}

void CView::OnDocumentRetitled() {
  if (auto* frame = dynamic_cast<CFrameWnd*>(window())) frame->OnUpdateFrameTitle();
}

void CView::OnDraw(CDC*) {}

void CView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  CDC dc(&painter, CRect(rect()));
  OnDraw(&dc);
}
