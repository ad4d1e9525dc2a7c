// Writing a whole file at once: the new bytes replace the old file only when every one of them is on
// disk, so a failed write (a full disk, a missing folder) leaves the old file whole. QtCore only.
#pragma once

#include <QByteArray>
#include <QString>

#include "geometry/result.h"

// When the file could not be written, an Error whose message is the reason alone (the system's own,
// e.g. "No space left on device"); the old file, if any, is then untouched.
Status CommitWholeFile(const QString& path, const QByteArray& bytes);
