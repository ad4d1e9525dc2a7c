// CArchive over QDataStream.
#include "framework/archive.h"

CArchive::CArchive(QIODevice* device, Mode mode) : m_stream(device), m_mode(mode) {
  m_stream.setByteOrder(QDataStream::LittleEndian);
  m_stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

CArchive& CArchive::operator<<(double value) {
  m_stream << value;
  return *this;
}

CArchive& CArchive::operator<<(int32_t value) {
  m_stream << static_cast<qint32>(value);
  return *this;
}

CArchive& CArchive::operator>>(double& value) {
  double read = 0.0;
  m_stream >> read;
  CheckRead();
  value = read;
  return *this;
}

CArchive& CArchive::operator>>(int32_t& value) {
  qint32 read = 0;
  m_stream >> read;
  CheckRead();
  value = read;
  return *this;
}

void CArchive::CheckRead() {
  if (m_stream.status() != QDataStream::Ok) throw CArchiveException("unexpected end of file");
}
