// The one way a reader, writer or geometry-facing call fails: it returns a Result holding either
// its value or an Error with one line for the user (what failed and why, no trailing newline).
// Invariants that the program itself guarantees are not failures: see invariant.h.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

// What a caller may need to tell apart, beyond the message: vesk-cli turns each into its own exit
// code, and a window shows all three the same way.
enum class ErrorKind {
  Failed,     // could not be done: a file not read or written, a library that gave up
  Refused,    // will not be done: a value, a name or a size out of bounds
  FitFailed,  // the design's outline has no fit
};

struct Error {
  std::string message;
  ErrorKind kind = ErrorKind::Failed;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : m_value(std::move(value)) {}      // NOLINT(google-explicit-constructor)
  Result(Error error) : m_value(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return m_value.index() == 0; }
  explicit operator bool() const { return ok(); }

  const T& value() const& { return std::get<0>(m_value); }
  T& value() & { return std::get<0>(m_value); }
  T&& value() && { return std::get<0>(std::move(m_value)); }
  const T& operator*() const& { return value(); }
  T& operator*() & { return value(); }
  const T* operator->() const { return &value(); }
  T* operator->() { return &value(); }

  const Error& error() const { return std::get<1>(m_value); }

 private:
  std::variant<T, Error> m_value;
};

// Success with no value, or an Error.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : m_error(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return !m_error.has_value(); }
  explicit operator bool() const { return ok(); }
  const Error& error() const { return *m_error; }

 private:
  std::optional<Error> m_error;
};

using Status = Result<void>;
