// A template goes to disk through the one whole-file commit; this adds the template's own wording.
#include "export/output_file.h"

#include <QDir>
#include <QFileInfo>

#include "framework/atomic_file.h"

bool CommitFile(const QString& path, const QByteArray& bytes, QString* error) {
  const auto fail = [&](const QString& cause) {
    if (error)
      *error = QStringLiteral("%1: cannot be written: %2").arg(QDir::toNativeSeparators(path), cause);
    return false;
  };
  if (QFileInfo(path).isDir()) return fail(QStringLiteral("it is a folder"));
  QString cause;
  if (!CommitWholeFile(path, bytes, &cause)) return fail(cause);
  return true;
}
