// CArchive over QDataStream.
#include "framework/archive.h"

#include <QtEndian>
#include <cstring>

CArchive::CArchive(QIODevice* device, Mode mode) : m_stream(device), m_mode(mode) {
  m_stream.setByteOrder(QDataStream::LittleEndian);
  m_stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

CArchive& CArchive::operator<<(double value) {
  m_stream << value;
  if (WriteOk()) m_bytes += 8;
  return *this;
}

CArchive& CArchive::operator<<(int32_t value) {
  m_stream << static_cast<qint32>(value);
  if (WriteOk()) m_bytes += 4;
  return *this;
}

CArchive& CArchive::operator>>(double& value) {
  const quint64 bits = qFromLittleEndian<quint64>(ReadRaw<8>().data());
  std::memcpy(&value, &bits, sizeof value);
  return *this;
}

CArchive& CArchive::operator>>(int32_t& value) {
  value = qFromLittleEndian<qint32>(ReadRaw<4>().data());
  return *this;
}

// Reads the bytes of one value, counting a short last read too, so that the error can say where
// the data ended; on a short read the caller's field keeps its value.
template <int N>
std::array<char, N> CArchive::ReadRaw() {
  std::array<char, N> bytes{};
  const int got = m_stream.readRawData(bytes.data(), N);
  if (got > 0) m_bytes += got;
  if (got != N || m_stream.status() != QDataStream::Ok)
    throw CArchiveException(QStringLiteral("the data ends after %1 bytes, inside a value of %2 bytes")
                                .arg(m_bytes)
                                .arg(N)
                                .toStdString());
  return bytes;
}
