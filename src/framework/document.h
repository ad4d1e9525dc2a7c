// vesk_framework_core: the platform services the program calls (document, archive, command
// targets, message service, settings, device context) over QtCore and QtGui, without widgets.
//
// CDocument: a document's path, title and modified flag, its views (as DocumentObservers), and
// opening and saving through CArchive. Opening is all or nothing: a file that cannot be read or is
// not complete leaves the document exactly as it was. As a command target it handles Save and Save
// As, asking the program (DocumentHost) for the file name.
#pragma once

#include <QList>
#include <QString>

#include "framework/cmd_target.h"
#include "framework/document_observer.h"
#include "geometry/result.h"

class CArchive;
class QByteArray;
class QIODevice;

class CDocument : public CCmdTarget {
 public:
  CDocument() = default;
  ~CDocument() override;

  // Clears the path and the modified flag.
  virtual bool OnNewDocument();
  virtual void Serialize(CArchive& ar) = 0;

  // Load or save the whole file. On failure *error holds one line naming the file and the cause,
  // and the document (fields, path, title, modified flag) is unchanged. A successful open clears
  // the modified flag and updates every view; a successful save clears the modified flag.
  virtual bool OnOpenDocument(const QString& path, QString* error);
  virtual bool OnSaveDocument(const QString& path, QString* error);
  // Loads a design held in memory through the same steps as Open (all or nothing, views updated on
  // success). The bytes come from no file, so the path, title and modified flag stay as they are;
  // name stands for the source in *error.
  bool LoadFromBytes(const QByteArray& bytes, const QString& name, QString* error);

  bool IsModified() const { return m_modified; }
  virtual void SetModifiedFlag(bool modified = true) { m_modified = modified; }

  const QString& GetPathName() const { return m_path; }
  void SetPathName(const QString& path);
  // The file's name, or "Untitled" while the document has no file.
  QString GetTitle() const;

  void AddView(DocumentObserver* view);
  void RemoveView(DocumentObserver* view);
  const QList<DocumentObserver*>& Views() const { return m_views; }
  // Tells every view but the sender to repaint.
  void UpdateAllViews(DocumentObserver* sender, long hint = 0, void* hintObject = nullptr);

  // Bytes the last successful open read (never more than Serialize asked for) or save wrote.
  qint64 LastFileSize() const { return m_lastFileSize; }

  // The framework's File > Save and Save As (document_commands.cpp).
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override;
  void OnFileSave();
  void OnFileSaveAs();
  // Before the document is replaced or the program ends: asks "Save changes to <title>?" when the
  // document is modified. True to go on (saved, or the user said No); false to stop (Cancel, or a
  // save that failed or was cancelled).
  virtual bool SaveModified();
  // Saves to path, or asks for a file when path is empty; the document takes the file's name, which
  // goes to the recent-file list. A failure is reported and returns false.
  bool DoSave(const QString& path);
  // Saves to the document's own file, asking for one while it has none.
  bool DoFileSave();
  // Every window showing one of the views retitles itself.
  void UpdateFrameTitles();

 protected:
  // What a failed load must restore. Serialize(load) runs between TakeSnapshot and either
  // DropSnapshot (success) or RestoreSnapshot (the archive ran out).
  virtual void TakeSnapshot() = 0;
  virtual void RestoreSnapshot() = 0;
  virtual void DropSnapshot() {}

 private:
  // The load shared by Open and LoadFromBytes: Serialize behind the snapshot. The bytes read, or
  // the cause of the failure (without the file's name).
  Result<qint64> LoadFrom(QIODevice& device);
  Result<qint64> LoadFromFile(const QString& path);

  QString m_path;
  bool m_modified = false;
  QList<DocumentObserver*> m_views;
  qint64 m_lastFileSize = 0;
};
