// CArchive: the document's fields as little-endian 8-byte doubles and 4-byte ints, no framing.
// Reading past the end throws CArchiveException and leaves the target of that read untouched.
#pragma once

#include <QDataStream>
#include <QString>
#include <array>
#include <cstdint>
#include <stdexcept>

class QIODevice;

// The archive ran out in the middle of a value. what() says why; a document may rethrow with a
// text that explains what its file was missing.
class CArchiveException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CArchive {
 public:
  enum Mode { store, load };
  CArchive(QIODevice* device, Mode mode);

  bool IsStoring() const { return m_mode == store; }
  bool IsLoading() const { return m_mode == load; }

  CArchive& operator<<(double value);
  CArchive& operator<<(int32_t value);
  CArchive& operator>>(double& value);
  CArchive& operator>>(int32_t& value);

  // True while every write so far has reached the device.
  bool WriteOk() const { return m_stream.status() == QDataStream::Ok; }
  // Bytes read or written through this archive, a short last read included.
  qint64 BytesTransferred() const { return m_bytes; }

 private:
  template <int N>
  std::array<char, N> ReadRaw();
  QDataStream m_stream;
  Mode m_mode;
  qint64 m_bytes = 0;
};
