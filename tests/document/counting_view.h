// An observer that counts the updates its document sends: the document's side of a view, without
// widgets.
#pragma once

#include "framework/document.h"

class CountingView : public DocumentObserver {
 public:
  CountingView() = default;
  CountingView(const CountingView&) = delete;
  CountingView& operator=(const CountingView&) = delete;
  ~CountingView() {
    if (m_document) m_document->RemoveView(this);
  }

  void SetDocument(CDocument* doc) {
    if (m_document) m_document->RemoveView(this);
    m_document = doc;
    if (m_document) m_document->AddView(this);
  }

  void OnDocumentUpdate(DocumentObserver*, long, void*) override { ++updates; }
  void OnDocumentShown() override {}
  void OnDocumentRetitled() override {}
  void OnDocumentGone() override { m_document = nullptr; }

  int updates = 0;

 private:
  CDocument* m_document = nullptr;
};
