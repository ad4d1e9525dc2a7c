// Design files as values: read and written through the same archive, all-or-nothing open and safe
// save as the design window's document, with the same one-line messages naming the file. Neither
// fits the shape: the caller runs FitOutline on what it reads.
#pragma once

#include <QByteArray>
#include <QString>

#include "document/design.h"
#include "geometry/result.h"

// A file without the soundhole block gets the new-design soundhole values.
Result<Design> LoadDesignFile(const QString& path);
// The same from bytes in memory; name stands for the source in the message.
Result<Design> LoadDesignBytes(const QByteArray& bytes, const QString& name);
// Replaces path's contents only once the whole file is written.
Status SaveDesignFile(const QString& path, const Design& design);
