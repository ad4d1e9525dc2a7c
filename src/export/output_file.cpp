// A template goes to disk through the one whole-file commit; this adds the template's own wording.
#include "export/output_file.h"

#include <QDir>
#include <QFileInfo>

#include "framework/atomic_file.h"
#include "framework/error_text.h"

Status CommitFile(const QString& path, const QByteArray& bytes) {
  const auto fail = [&](const QString& cause) {
    return ErrorFrom(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), cause));
  };
  if (QFileInfo(path).isDir()) return fail(QStringLiteral("it is a folder"));
  if (const Status written = CommitWholeFile(path, bytes); !written) return fail(ErrorText(written.error()));
  return {};
}
