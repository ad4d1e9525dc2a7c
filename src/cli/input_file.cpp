// The whole-file read every program shares, with the command's "FILE: cannot be read: why".
#include "cli/input_file.h"

#include "framework/error_text.h"
#include "framework/whole_file.h"

namespace cli {

Result<QByteArray> ReadInputFile(const QString& path, qint64 maxBytes) {
  Result<QByteArray> bytes = ReadWholeFile(path, maxBytes);
  if (!bytes) return ErrorFrom(QStringLiteral("%1: cannot be read: %2").arg(path, ErrorText(bytes.error())));
  return bytes;
}

}  // namespace cli
