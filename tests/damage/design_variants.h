// Named variants of a design file's bytes: truncations, single bit flips, and one field replaced by
// a hostile value. The field offsets are those of the file layout.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

struct DesignVariant {
  QString name;  // also usable as a file name
  QByteArray bytes;
};

struct DesignField {
  const char* name;
  int offset;
};

// The fields present in a file of this size (68: the shape block and the flag; 120: all).
std::vector<DesignField> DoubleFields(int fileSize);
std::vector<DesignField> IntFields(int fileSize);

// The bytes with one field replaced.
QByteArray WithDouble(QByteArray bytes, int offset, double value);
QByteArray WithInt(QByteArray bytes, int offset, int32_t value);

// Every proper prefix, the empty file included.
std::vector<DesignVariant> Truncations(const QString& base, const QByteArray& bytes);
// Every single bit flipped, one at a time.
std::vector<DesignVariant> BitFlips(const QString& base, const QByteArray& bytes);
// Each value written into each field, one at a time.
std::vector<DesignVariant> DoubleFieldValues(const QString& base, const QByteArray& bytes,
                                             const std::vector<double>& values);
std::vector<DesignVariant> IntFieldValues(const QString& base, const QByteArray& bytes,
                                          const std::vector<int32_t>& values);
