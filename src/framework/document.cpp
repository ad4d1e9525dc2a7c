// CDocument: open loads behind a snapshot, so a file that runs out restores every field; save goes
// through the whole-file commit, so a failed save keeps the old file.
#include "framework/document.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "framework/archive.h"
#include "framework/atomic_file.h"
#include "framework/error_text.h"

CDocument::~CDocument() {
  const QList<DocumentObserver*> views = m_views;
  for (DocumentObserver* v : views) v->OnDocumentGone();
}

bool CDocument::OnNewDocument() {
  m_path.clear();
  m_modified = false;
  return true;
}

void CDocument::SetPathName(const QString& path) {
  m_path = QFileInfo(path).absoluteFilePath();
}

QString CDocument::GetTitle() const {
  return m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).fileName();
}

void CDocument::AddView(DocumentObserver* view) {
  if (!m_views.contains(view)) m_views.append(view);
}

void CDocument::RemoveView(DocumentObserver* view) {
  m_views.removeAll(view);
}

void CDocument::UpdateAllViews(DocumentObserver* sender, long hint, void* hintObject) {
  for (DocumentObserver* v : m_views)
    if (v != sender) v->OnDocumentUpdate(sender, hint, hintObject);
}

namespace {

QString FileError(const QString& path, const QString& cause) {
  return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), cause);
}

}  // namespace

QString CDocument::LoadFrom(QIODevice& device, qint64* bytesRead) {
  CArchive ar(&device, CArchive::load);
  TakeSnapshot();
  try {
    Serialize(ar);
    DropSnapshot();
    *bytesRead = ar.BytesTransferred();
    return {};
  } catch (const CArchiveException& e) {
    RestoreSnapshot();
    // A device error also ends the data early; say which it was.
    if (auto* file = qobject_cast<QFileDevice*>(&device); file && file->error() != QFileDevice::NoError)
      return QStringLiteral("cannot be read: %1").arg(file->errorString());
    return QStringLiteral("is not a complete design (%1)").arg(QString::fromStdString(e.what()));
  }
}

// Reads straight from the file, so nothing past what Serialize asks for is read (a huge file or a
// device costs no more than a design does).
bool CDocument::OnOpenDocument(const QString& path, QString* error) {
  QString cause;
  qint64 bytesRead = 0;
  QFile file(path);
  if (QFileInfo(path).isDir())
    cause = QStringLiteral("cannot be read: it is a folder");
  else if (!file.open(QIODevice::ReadOnly))
    cause = QStringLiteral("cannot be read: %1").arg(file.errorString());
  else
    cause = LoadFrom(file, &bytesRead);
  if (!cause.isEmpty()) {
    if (error) *error = FileError(path, cause);
    return false;
  }
  SetPathName(path);
  m_modified = false;
  m_lastFileSize = bytesRead;
  // The opened design is shown at once, also when its fit failed (the view then shows no outline).
  UpdateAllViews(nullptr, 0, nullptr);
  return true;
}

bool CDocument::LoadFromBytes(const QByteArray& bytes, const QString& name, QString* error) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  qint64 bytesRead = 0;
  const QString cause = LoadFrom(buffer, &bytesRead);
  if (!cause.isEmpty()) {
    if (error) *error = QStringLiteral("%1: %2").arg(name, cause);
    return false;
  }
  UpdateAllViews(nullptr, 0, nullptr);
  return true;
}

bool CDocument::OnSaveDocument(const QString& path, QString* error) {
  // Serialized in memory first: the file is then written whole, or not at all.
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  CArchive ar(&buffer, CArchive::store);
  Serialize(ar);
  const qint64 written = ar.BytesTransferred();
  if (const Status saved = CommitWholeFile(path, buffer.data()); !saved) {
    if (error)
      *error = FileError(path, QStringLiteral("cannot be written: %1").arg(ErrorText(saved.error())));
    return false;
  }
  SetPathName(path);
  m_modified = false;
  m_lastFileSize = written;
  return true;
}
