// The checks come before the read, so a folder or a huge file is refused without reading it.
#include "framework/whole_file.h"

#include <QFile>
#include <QFileInfo>

#include "framework/error_text.h"

namespace {

QString SizeText(qint64 bytes) {
  constexpr qint64 kGb = qint64(1) << 30;
  return bytes % kGb == 0 ? QStringLiteral("%1 GB").arg(bytes / kGb)
                          : QStringLiteral("%1 MB").arg(bytes >> 20);
}

}  // namespace

Result<QByteArray> ReadWholeFile(const QString& path, qint64 maxBytes) {
  const QFileInfo info(path);
  if (!info.exists()) return ErrorFrom(QStringLiteral("no such file"));
  if (info.isDir()) return ErrorFrom(QStringLiteral("it is a folder"));
  if (info.size() > maxBytes) return ErrorFrom(QStringLiteral("larger than %1").arg(SizeText(maxBytes)));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return ErrorFrom(file.errorString());
  QByteArray bytes = file.readAll();
  if (bytes.size() != info.size()) return ErrorFrom(QStringLiteral("it could not be read whole"));
  return bytes;
}
