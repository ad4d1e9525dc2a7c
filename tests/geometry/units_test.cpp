// The inch: 2.54 cm and 25.4 mm, each the double nearest to the exact value, and a round trip
// through both units that lands on the length it started from for the lengths of a guitar body.
#include "geometry/units.h"

#include <gtest/gtest.h>

TEST(Units, TheInchInCentimetresAndMillimetres) {
  EXPECT_EQ(kCmPerInch, 2.54);
  EXPECT_EQ(kMmPerInch, 25.4);
  EXPECT_EQ(kMmPerCm, 10.0);
}

TEST(Units, InchesToCentimetresAndBack) {
  for (double inches : {1.0, 7.5, 14.25, 19.5, 25.6}) {
    EXPECT_DOUBLE_EQ(inches * kCmPerInch / kCmPerInch, inches);
    EXPECT_NEAR(inches * kCmPerInch * kMmPerCm, inches * kMmPerInch, 1e-12);
  }
  EXPECT_EQ(12.0 * kCmPerInch, 30.48);  // a foot
}
