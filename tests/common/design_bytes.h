// Design files built byte by byte from the file layout (little-endian, no gaps), independently of
// the document's own reader and writer.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstring>

namespace designbytes {

struct Record {
  double shape[8] = {49.0, 18.5, 12.0, 14.0, 0.0, -0.25, 0.0, -0.5};  // length, bouts..., a3..a6
  int32_t holeDefined = 0;
  // scale length, diameter, position, nut, 12th fret, 19th fret: the order of the file, not the class.
  double block[6] = {65.0, 8.8, 0.0, 5.2, 6.2, 0.0};
  int32_t jointFret = 12;
};

inline void AppendLittleEndian(QByteArray& out, uint64_t bits, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((bits >> (8 * i)) & 0xff));
}

inline void AppendDouble(QByteArray& out, double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  AppendLittleEndian(out, bits, 8);
}

inline void AppendInt(QByteArray& out, int32_t i) {
  AppendLittleEndian(out, static_cast<uint32_t>(i), 4);
}

// The shape block always; the soundhole block when withBlock (whatever the flag says).
inline QByteArray Bytes(const Record& r, bool withBlock) {
  QByteArray out;
  for (double d : r.shape) AppendDouble(out, d);
  AppendInt(out, r.holeDefined);
  if (!withBlock) return out;
  for (double d : r.block) AppendDouble(out, d);
  AppendInt(out, r.jointFret);
  return out;
}
inline QByteArray Bytes(const Record& r) {
  return Bytes(r, r.holeDefined != 0);
}

inline uint64_t Bits(double d) {
  uint64_t b;
  std::memcpy(&b, &d, sizeof b);
  return b;
}

inline bool SameBits(double a, double b) {
  return Bits(a) == Bits(b);
}

}  // namespace designbytes
