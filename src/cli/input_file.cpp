#include "cli/input_file.h"

#include <QFile>
#include <QFileInfo>

#include "framework/error_text.h"

namespace cli {
namespace {

Error Unreadable(const QString& path, const QString& why) {
  return ErrorFrom(QStringLiteral("%1: cannot be read: %2").arg(path, why));
}

QString SizeText(qint64 bytes) {
  return bytes >= (qint64(1) << 30) ? QStringLiteral("%1 GB").arg(bytes >> 30)
                                    : QStringLiteral("%1 MB").arg(bytes >> 20);
}

}  // namespace

Result<QByteArray> ReadInputFile(const QString& path, qint64 maxBytes) {
  const QFileInfo info(path);
  if (!info.exists()) return Unreadable(path, QStringLiteral("no such file"));
  if (info.isDir()) return Unreadable(path, QStringLiteral("it is a folder"));
  if (info.size() > maxBytes)
    return Unreadable(path, QStringLiteral("larger than %1").arg(SizeText(maxBytes)));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Unreadable(path, file.errorString());
  QByteArray bytes = file.readAll();
  if (bytes.size() != info.size()) return Unreadable(path, QStringLiteral("it could not be read whole"));
  return bytes;
}

}  // namespace cli
