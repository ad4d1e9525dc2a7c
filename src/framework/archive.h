// CArchive: the document's fields as little-endian 8-byte doubles and 4-byte ints, no framing.
// Reading past the end throws CArchiveException.
#pragma once

#include <QDataStream>
#include <QString>
#include <cstdint>
#include <stdexcept>

class QIODevice;

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

 private:
  void CheckRead();
  QDataStream m_stream;
  Mode m_mode;
};
