// What a document knows of a view that shows it, and of the program around it. The window part
// (CView, CWinApp) implements both, so the document itself needs no widgets.
#pragma once

#include <QString>

class QWidget;

// A view attached to a document. CView is the one implementation.
class DocumentObserver {
 public:
  // UpdateAllViews: the document changed; sender is the view that changed it, or null.
  virtual void OnDocumentUpdate(DocumentObserver* sender, long hint, void* hintObject) = 0;
  // The document has been created or opened and is shown for the first time.
  virtual void OnDocumentShown() = 0;
  // The document's title (its file) changed: the window around the view retitles itself.
  virtual void OnDocumentRetitled() = 0;
  // The document is being destroyed: the view lets go of it.
  virtual void OnDocumentGone() = 0;

 protected:
  ~DocumentObserver() = default;
};

// The program's side of the document's Save, Save As and "save changes?" commands. Without one
// (a headless program) a document asks no file name and keeps no recent list.
class DocumentHost {
 public:
  // The window the document's questions and reports stand over; null: they stand alone.
  virtual QWidget* DialogParent() const = 0;
  // Asks for a file to save to; fileName proposes one and receives the choice. False on Cancel.
  virtual bool PromptSaveFileName(QString& fileName) = 0;
  virtual void AddToRecentFileList(const QString& path) = 0;

  // The one host (the application object), or null.
  static DocumentHost* Get();
  static void Set(DocumentHost* host);

 protected:
  ~DocumentHost() = default;
};
