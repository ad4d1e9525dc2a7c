// Errors (geometry/result.h) carry their message as UTF-8 text; these move it to and from the
// QString that the Qt layers print and show.
#pragma once

#include <QString>

#include "geometry/result.h"

inline Error ErrorFrom(const QString& message, ErrorKind kind = ErrorKind::Failed) {
  return Error{message.toStdString(), kind};
}

inline QString ErrorText(const Error& error) {
  return QString::fromStdString(error.message);
}
