// A file a command reads whole (points, a picture), within a size bound, so a wrong name or a huge
// file is one line and nothing more.
#pragma once

#include <QByteArray>
#include <QString>

#include "geometry/result.h"

namespace cli {

// The file's bytes, or an Error "FILE: cannot be read: why" (no such file, a folder, larger than the
// bound, the system's reason, or read short).
Result<QByteArray> ReadInputFile(const QString& path, qint64 maxBytes);

}  // namespace cli
