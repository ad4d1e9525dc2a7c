// CView: a widget that shows one document and repaints when the document says so.
#pragma once

#include <QWidget>

class CDocument;

class CView : public QWidget {
 public:
  explicit CView(QWidget* parent = nullptr) : QWidget(parent) {}
  ~CView() override;

  CDocument* GetDocument() const { return m_document; }
  // Attaches to doc (and detaches from the previous one).
  void SetDocument(CDocument* doc);

  // Called by UpdateAllViews; the default invalidates the whole client area.
  virtual void OnUpdate(CView* sender, long hint, void* hintObject);

 private:
  CDocument* m_document = nullptr;
};
