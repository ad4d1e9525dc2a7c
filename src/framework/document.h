// CDocument: a document's path, title and modified flag, its views, and opening and saving
// through CArchive. Opening is all or nothing: a file that cannot be read or is not complete
// leaves the document exactly as it was.
#pragma once

#include <QList>
#include <QString>

class CArchive;
class CView;

class CDocument {
 public:
  CDocument() = default;
  virtual ~CDocument();
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;

  // Clears the path and the modified flag.
  virtual bool OnNewDocument();
  virtual void Serialize(CArchive& ar) = 0;

  // Load or save the whole file. On failure *error holds one line naming the file and the cause,
  // and the document (fields, path, title, modified flag) is unchanged. A successful open clears
  // the modified flag and updates every view; a successful save clears the modified flag.
  virtual bool OnOpenDocument(const QString& path, QString* error);
  virtual bool OnSaveDocument(const QString& path, QString* error);

  bool IsModified() const { return m_modified; }
  virtual void SetModifiedFlag(bool modified = true) { m_modified = modified; }

  const QString& GetPathName() const { return m_path; }
  void SetPathName(const QString& path);
  // The file's name, or "Untitled" while the document has no file.
  QString GetTitle() const;

  void AddView(CView* view);
  void RemoveView(CView* view);
  const QList<CView*>& Views() const { return m_views; }
  // Tells every view but the sender to repaint.
  void UpdateAllViews(CView* sender, long hint = 0, void* hintObject = nullptr);

  // Bytes the last successful open read (never more than Serialize asked for) or save wrote.
  qint64 LastFileSize() const { return m_lastFileSize; }

 protected:
  // What a failed load must restore. Serialize(load) runs between TakeSnapshot and either
  // DropSnapshot (success) or RestoreSnapshot (the archive ran out).
  virtual void TakeSnapshot() = 0;
  virtual void RestoreSnapshot() = 0;
  virtual void DropSnapshot() {}

 private:
  QString m_path;
  bool m_modified = false;
  QList<CView*> m_views;
  qint64 m_lastFileSize = 0;
};
