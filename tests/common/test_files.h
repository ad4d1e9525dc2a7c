// Small file helpers for tests that compare bytes on disk.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testfiles {

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

// Every entry of a folder, hidden ones included: a failed save must leave no stray temporary file.
inline QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
}

// Whether this process is held to file permissions: false for root with its usual capabilities,
// which writes into read-only folders and reads unreadable files. Tried, not guessed from the user id.
inline bool PermissionsAreEnforced() {
  QTemporaryDir dir;
  const QString file = dir.filePath("locked");
  if (!dir.isValid() || !WriteBytes(file, "x")) return true;
  QFile::setPermissions(file, QFileDevice::WriteOwner);
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const bool bypassed = QFile(file).open(QIODevice::ReadOnly) || WriteBytes(dir.filePath("new"), "x");
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return !bypassed;
}

// The skip message of a test that needs file permissions enforced; CTest's *_unprivileged tests run
// such tests again as an unprivileged user.
inline constexpr const char* kNeedsPermissions =
    "file permissions are not enforced for this user (root); the *_unprivileged CTest test runs this";

}  // namespace testfiles
