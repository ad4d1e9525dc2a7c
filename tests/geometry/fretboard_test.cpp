// Equal-tempered frets from the joint fret and the fingerboard's linear taper.
#include "geometry/fretboard.h"

#include <gtest/gtest.h>

TEST(FretboardTest, TwelfthFretJointOnA65Scale) {
  EXPECT_EQ(FretPosition(12, 12, 65), 0.0);
  EXPECT_NEAR(FretPosition(13, 12, 65), 1.824, 0.001);
  EXPECT_NEAR(FretPosition(19, 12, 65), 10.809, 0.001);
  EXPECT_NEAR(FretPosition(20, 12, 65), 12.026, 0.001);
  EXPECT_NEAR(FretPosition(0, 12, 65) + 65, 32.5, 1e-12);  // the saddle
  EXPECT_NEAR(FingerboardWidth(32.5, 12, 65, 5.2, 6.2), 7.2, 1e-12);
  EXPECT_NEAR(FingerboardWidth(FretPosition(13, 12, 65), 12, 65, 5.2, 6.2), 6.256, 0.001);
}

TEST(FretboardTest, FourteenthFretJointReachesTheJointWidthAtFret14) {
  EXPECT_NEAR(FretPosition(0, 14, 65), -36.046, 0.001);
  EXPECT_NEAR(FretPosition(24, 14, 65), 12.704, 0.001);
  EXPECT_NEAR(FretPosition(0, 14, 65) + 65, 28.954, 0.001);
  EXPECT_NEAR(FingerboardWidth(FretPosition(0, 14, 65) + 65, 14, 65, 5.2, 6.2), 7.003, 0.001);
  EXPECT_NEAR(FretPosition(12, 14, 65), -3.546, 0.001);
  EXPECT_NEAR(FingerboardWidth(FretPosition(12, 14, 65), 14, 65, 5.2, 6.2), 6.102, 0.001);
  EXPECT_DOUBLE_EQ(FingerboardWidth(0.0, 14, 65, 5.2, 6.2), 6.2);
  EXPECT_DOUBLE_EQ(FingerboardWidth(FretPosition(0, 14, 65), 14, 65, 5.2, 6.2), 5.2);
}
