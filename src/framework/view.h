// CView: a widget that shows one document, repaints when the document says so, and paints through
// OnDraw, on the screen or into an image.
#pragma once

#include <QWidget>

class CDC;
class CDocument;
class QImage;

class CView : public QWidget {
 public:
  explicit CView(QWidget* parent = nullptr) : QWidget(parent) {}
  ~CView() override;

  CDocument* GetDocument() const { return m_document; }
  // Attaches to doc (and detaches from the previous one).
  void SetDocument(CDocument* doc);

  // Called by UpdateAllViews; the default invalidates the whole client area.
  virtual void OnUpdate(CView* sender, long hint, void* hintObject);

  // Paints the whole client area; the default paints nothing.
  virtual void OnDraw(CDC* pDC);

  // Runs OnDraw with the image as the client area. An image without pixels still runs the paint,
  // on a device context that paints nothing.
  void PaintInto(QImage* image);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CDocument* m_document = nullptr;
};
