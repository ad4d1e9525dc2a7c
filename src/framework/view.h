// CView: a widget that shows one document, repaints when the document says so, and paints through
// OnDraw, on the screen or into an image. As a command target it is the first one a command is
// offered to; to its document it is a DocumentObserver.
#pragma once

#include <QWidget>

#include "framework/cmd_target.h"
#include "framework/document_observer.h"

class CDC;
class CDocument;

class CView : public QWidget, public CCmdTarget, public DocumentObserver {
 public:
  explicit CView(QWidget* parent = nullptr);
  ~CView() override;

  CDocument* GetDocument() const { return m_document; }
  // Attaches to doc (and detaches from the previous one).
  void SetDocument(CDocument* doc);

  // Called by UpdateAllViews; the default invalidates the whole client area.
  virtual void OnUpdate(CView* sender, long hint, void* hintObject);
  // Called once the document has been created or opened; the default is OnUpdate(nullptr, 0, nullptr).
  virtual void OnInitialUpdate();

  // What the document calls (DocumentObserver): OnUpdate, OnInitialUpdate, the frame's title and
  // detaching.
  void OnDocumentUpdate(DocumentObserver* sender, long hint, void* hintObject) override;
  void OnDocumentShown() override { OnInitialUpdate(); }
  void OnDocumentRetitled() override;
  void OnDocumentGone() override { SetDocument(nullptr); }

  // Paints the whole client area; the default paints nothing. Also called on an image's device
  // context (framework's PaintInto) to paint the view without a screen.
  virtual void OnDraw(CDC* pDC);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CDocument* m_document = nullptr;
};
