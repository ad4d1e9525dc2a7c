// CArchive: the byte layout of doubles and ints, and what a read past the end does.
#include "framework/archive.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

QByteArray Store(void (*write)(CArchive&)) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  CArchive ar(&buffer, CArchive::store);
  write(ar);
  return bytes;
}

uint64_t Bits(double d) {
  uint64_t b;
  std::memcpy(&b, &d, sizeof b);
  return b;
}

}  // namespace

TEST(Archive, StoresLittleEndianEightByteDoublesAndFourByteInts) {
  const QByteArray bytes = Store([](CArchive& ar) { ar << 49.0 << int32_t{0x01020304} << int32_t{-2}; });
  EXPECT_EQ(bytes.toHex(' '), QByteArray("00 00 00 00 00 80 48 40 04 03 02 01 fe ff ff ff"));
}

TEST(Archive, ReportsItsDirection) {
  QBuffer buffer;
  EXPECT_TRUE(CArchive(&buffer, CArchive::store).IsStoring());
  EXPECT_FALSE(CArchive(&buffer, CArchive::store).IsLoading());
  EXPECT_TRUE(CArchive(&buffer, CArchive::load).IsLoading());
  EXPECT_FALSE(CArchive(&buffer, CArchive::load).IsStoring());
}

TEST(Archive, LoadsEveryBitPatternBack) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  QByteArray bytes = QByteArray::fromHex("0100000000000080");  // -4.9e-324, a negative denormal
  bytes += QByteArray::fromHex("000000000000f87f");            // quiet NaN
  bytes += QByteArray::fromHex("000000000000f0ff");            // -inf
  bytes += QByteArray::fromHex("0000000000000080");            // -0.0
  bytes += QByteArray::fromHex("00000080ffffff7f");            // INT32_MIN, INT32_MAX
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  CArchive ar(&buffer, CArchive::load);
  double denormal = 0, n = 0, inf = 0, zero = 1;
  int32_t lo = 0, hi = 0;
  ar >> denormal >> n >> inf >> zero >> lo >> hi;
  EXPECT_EQ(Bits(denormal), 0x8000000000000001u);
  EXPECT_EQ(Bits(n), Bits(nan));
  EXPECT_EQ(inf, -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(zero == 0.0 && std::signbit(zero));
  EXPECT_EQ(lo, std::numeric_limits<int32_t>::min());
  EXPECT_EQ(hi, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(ar.BytesTransferred(), 40);
}

TEST(Archive, ReadPastTheEndThrowsAndLeavesTheTargetAlone) {
  QByteArray bytes = QByteArray::fromHex("000000000000f03f0102");  // 1.0, then two stray bytes
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  CArchive ar(&buffer, CArchive::load);
  double first = 0.0, second = 7.0;
  ar >> first;
  EXPECT_EQ(first, 1.0);
  EXPECT_THROW(ar >> second, CArchiveException);
  EXPECT_EQ(second, 7.0);
  EXPECT_EQ(ar.BytesTransferred(), 10);
  int32_t i = 5;
  EXPECT_THROW(ar >> i, CArchiveException);
  EXPECT_EQ(i, 5);
}

TEST(Archive, EmptyDeviceThrowsOnTheFirstInt) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  CArchive ar(&buffer, CArchive::load);
  int32_t i = 3;
  EXPECT_THROW(ar >> i, CArchiveException);
  EXPECT_EQ(ar.BytesTransferred(), 0);
}

TEST(Archive, WriteToADeviceThatRefusesIsNotOk) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  CArchive ar(&buffer, CArchive::store);
  ar << 1.0;
  EXPECT_FALSE(ar.WriteOk());
  EXPECT_EQ(ar.BytesTransferred(), 0);
}
