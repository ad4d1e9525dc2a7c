// Writing a whole file at once: the new bytes replace the old file only when every one of them is on
// disk, so a failed write (a full disk, a missing folder) leaves the old file whole. QtCore only.
#pragma once

#include <QByteArray>
#include <QString>

// False with *cause set to the reason (the system's own, e.g. "No space left on device") when the
// file could not be written; the old file, if any, is then untouched.
bool CommitWholeFile(const QString& path, const QByteArray& bytes, QString* cause);
