// CSingleDocTemplate: the single-document controller. It creates the one document, frame and view
// on first use and reuses them for every New and Open, asking to save a modified document first.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "framework/command_table.h"

class CDocument;
class CFrameWnd;
class CView;

// Creates an object of class T for a factory of its base: the template's "run-time class".
template <class T>
auto RuntimeClass() {
  return [] { return std::make_unique<T>(); };
}

class CSingleDocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
  using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
  using ViewFactory = std::function<std::unique_ptr<CView>()>;

  // docString holds seven fields separated by "\n": window title, document name, file-new type
  // name, filter name, filter extension, file-type id, file-type name.
  enum DocStringIndex {
    windowTitle,
    docName,
    fileNewName,
    filterName,
    filterExt,
    regFileTypeId,
    regFileTypeName
  };

  CSingleDocTemplate(int resourceId, const QString& docString, FrameResource resource,
                     DocumentFactory document, FrameFactory frame, ViewFactory view);
  ~CSingleDocTemplate();
  CSingleDocTemplate(const CSingleDocTemplate&) = delete;
  CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;

  enum class Result { Done, Cancelled, Failed };
  // A new document. Returns nullptr when the user cancelled the save question or creation failed.
  CDocument* NewDocument(Result* result = nullptr);
  // Opens path as the document; a file that cannot be opened is reported and leaves the current
  // document as it was. Returns nullptr on Cancel or failure; result tells the two apart.
  CDocument* OpenDocumentFile(const QString& path, Result* result = nullptr);

  CDocument* GetDocument() const { return m_document.get(); }
  CFrameWnd* GetFrame() const { return m_frame.get(); }
  int GetResourceId() const { return m_resourceId; }
  QString GetDocString(DocStringIndex index) const;

 private:
  // Creates document, frame and view when they do not exist yet; false when they did exist and the
  // user chose to keep the modified document.
  bool PrepareDocument(bool* created);
  void DiscardCreated();
  void InitialUpdateFrame();

  int m_resourceId;
  QString m_docString;
  FrameResource m_resource;
  DocumentFactory m_createDocument;
  FrameFactory m_createFrame;
  ViewFactory m_createView;
  // Declared before the frame: the frame's view detaches from the document when it goes.
  std::unique_ptr<CDocument> m_document;
  std::unique_ptr<CFrameWnd> m_frame;
};
