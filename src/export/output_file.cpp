// QSaveFile with the final flush checked: on Qt 6.4 commit() can report success after a failed
// flush (a full disk), which would replace a good file with a truncated one.
#include "export/output_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool CommitFile(const QString& path, const QByteArray& bytes, QString* error) {
  const auto fail = [&](const QString& cause) {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), cause);
    return false;
  };
  if (QFileInfo(path).isDir()) return fail(QStringLiteral("it is a folder"));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    const QString cause = file.errorString();
    file.cancelWriting();
    return fail(cause);
  }
  if (!file.commit()) return fail(file.errorString());
  return true;
}
