// Writing a finished template to its file all at once: the file appears only when every byte is
// on disk, and a failure leaves whatever was there before (or nothing) in place.
#pragma once

#include <QByteArray>
#include <QString>

#include "geometry/result.h"

// On failure, one line naming the file and the cause.
Status CommitFile(const QString& path, const QByteArray& bytes);
