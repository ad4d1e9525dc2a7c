// Reading a whole file at once within a size bound: the counterpart of CommitWholeFile, for the
// readers that take bytes (points, pictures). QtCore only.
#pragma once

#include <QByteArray>
#include <QString>

#include "geometry/result.h"

// The file's bytes, or an Error whose message is the reason alone: "no such file", "it is a
// folder", "larger than 32 MB" (maxBytes in whole MB or GB), the system's own reason, or "it could
// not be read whole".
Result<QByteArray> ReadWholeFile(const QString& path, qint64 maxBytes);
