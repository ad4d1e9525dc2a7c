// Building the damaged variants of a design file.
#include "design_variants.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

const DesignField kDoubles[] = {{"m_length", 0},        {"m_lowerBout", 8},     {"m_waist", 16},
                                {"m_upperBout", 24},    {"m_a3", 32},           {"m_a4", 40},
                                {"m_a5", 48},           {"m_a6", 56},           {"m_scaleLength", 68},
                                {"m_holeDiameter", 76}, {"m_holePosition", 84}, {"m_nutWidth", 92},
                                {"m_fret12Width", 100}, {"m_fret19Width", 108}};
const DesignField kInts[] = {{"m_holeDefined", 64}, {"m_jointFret", 116}};

template <typename Field, size_t N>
std::vector<DesignField> Present(const Field (&fields)[N], int size, int width) {
  std::vector<DesignField> out;
  for (const DesignField& f : fields)
    if (f.offset + width <= size) out.push_back(f);
  return out;
}

// A name for a value that is also a file name: "nan", "-inf", "-0", "4.9406564584124654e-324".
QString ValueName(double v) {
  if (v == 0.0) return std::signbit(v) ? QStringLiteral("-0") : QStringLiteral("+0");
  return QString::number(v, 'g', 17);
}

}  // namespace

QByteArray WithDouble(QByteArray bytes, int offset, double value) {
  quint64 bits;
  std::memcpy(&bits, &value, sizeof bits);
  qToLittleEndian(bits, bytes.data() + offset);
  return bytes;
}

QByteArray WithInt(QByteArray bytes, int offset, int32_t value) {
  qToLittleEndian(static_cast<qint32>(value), bytes.data() + offset);
  return bytes;
}

std::vector<DesignField> DoubleFields(int fileSize) {
  return Present(kDoubles, fileSize, 8);
}
std::vector<DesignField> IntFields(int fileSize) {
  return Present(kInts, fileSize, 4);
}

std::vector<DesignVariant> Truncations(const QString& base, const QByteArray& bytes) {
  std::vector<DesignVariant> out;
  for (int n = 0; n < bytes.size(); ++n)
    out.push_back({QStringLiteral("%1-first-%2-bytes").arg(base).arg(n), bytes.left(n)});
  return out;
}

std::vector<DesignVariant> BitFlips(const QString& base, const QByteArray& bytes) {
  std::vector<DesignVariant> out;
  for (int byte = 0; byte < bytes.size(); ++byte)
    for (int bit = 0; bit < 8; ++bit) {
      QByteArray flipped = bytes;
      flipped[byte] = static_cast<char>(flipped[byte] ^ (1 << bit));
      out.push_back({QStringLiteral("%1-byte-%2-bit-%3").arg(base).arg(byte).arg(bit), flipped});
    }
  return out;
}

std::vector<DesignVariant> DoubleFieldValues(const QString& base, const QByteArray& bytes,
                                             const std::vector<double>& values) {
  std::vector<DesignVariant> out;
  for (const DesignField& f : DoubleFields(bytes.size()))
    for (double v : values)
      out.push_back(
          {QStringLiteral("%1-%2=%3").arg(base, f.name, ValueName(v)), WithDouble(bytes, f.offset, v)});
  return out;
}

std::vector<DesignVariant> IntFieldValues(const QString& base, const QByteArray& bytes,
                                          const std::vector<int32_t>& values) {
  std::vector<DesignVariant> out;
  for (const DesignField& f : IntFields(bytes.size()))
    for (int32_t v : values)
      out.push_back({QStringLiteral("%1-%2=%3").arg(base, f.name).arg(v), WithInt(bytes, f.offset, v)});
  return out;
}
