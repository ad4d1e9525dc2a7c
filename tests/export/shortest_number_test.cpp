// Template numbers: the one shortest round-trip formatter writes them exactly as Qt's shortest "%g"
// did before, so no template changes by a byte, and a negative zero is still written "0".
#include <gtest/gtest.h>

#include <QLocale>
#include <QString>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "export/title_block.h"

namespace {

QString QtShortest(double v) {
  return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

TEST(ShortestNumber, WritesWhatQtsShortestFormWrites) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> decade(-25.0, 25.0);
  for (int i = 0; i < 300000; ++i) {
    double v;
    if (i % 3 == 0) {
      const uint64_t bits = random();
      std::memcpy(&v, &bits, sizeof v);
    } else if (i % 3 == 1) {
      v = std::pow(10.0, decade(random));
    } else {
      v = -std::round(std::pow(10.0, decade(random)) * 1000.0) / 1000.0;
    }
    ASSERT_EQ(ShortestNumber(v), QtShortest(v)) << v;
  }
  for (double v : {0.0, -0.0, 1e16, 1e17, 12345678901234567890.0, DBL_MAX, -DBL_MIN, 5e-324,
                   std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
    EXPECT_EQ(ShortestNumber(v), QtShortest(v)) << v;
  EXPECT_EQ(ShortestNumber(-0.0), "0");
}
