// What a failed Result says, for the tests' checks: its kind and its message. A success has
// neither, so a check for a refusal fails on it instead of reading an error that is not there.
#pragma once

#include <QString>
#include <optional>

#include "geometry/result.h"

template <class T>
std::optional<ErrorKind> KindOf(const Result<T>& r) {
  if (r) return std::nullopt;
  return r.error().kind;
}

template <class T>
QString MessageOf(const Result<T>& r) {
  return r ? QString() : QString::fromStdString(r.error().message);
}
