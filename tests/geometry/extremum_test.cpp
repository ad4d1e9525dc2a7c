// Bracket narrowing and the coarse scan that feeds it.
#include "geometry/extremum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

int g_calls = 0;
double PeakAt44(double t) {
  return ++g_calls, -(t - 44.0) * (t - 44.0);
}
double ValleyAt47_3(double t) {
  return (t - 47.3) * (t - 47.3);
}
double Rising(double t) {
  return t;
}
double Flat(double) {
  return 3.0;
}
double Cos2t(double t) {
  return std::cos(2.0 * t * 3.141592653589793 / 180.0);
}
// Maxima at 7, 37, 67, ... and minima at 22, 52, ...: far more than three in range.
double Ripple(double t) {
  return std::cos((t - 7.0) * 12.0 * 3.141592653589793 / 180.0);
}
double FallingFromStart(double t) {
  return -t;
}
double PlateauAt50(double t) {
  return t < 45.0 ? t : (t <= 55.0 ? 50.0 : 100.0 - t);
}

}  // namespace

TEST(FindExtremumTest, NarrowsToTheExtremumInsideTheBracket) {
  g_calls = 0;
  EXPECT_NEAR(FindExtremum(PeakAt44, 40, 45, 50, 1), 44.0, 0.001);
  EXPECT_EQ(g_calls, 42);  // 14 halvings of a width-10 bracket, three evaluations each
  EXPECT_NEAR(FindExtremum(ValleyAt47_3, 40, 45, 50, 0), 47.3, 0.001);
}

TEST(FindExtremumTest, MonotonicFunctionEndsAtTheSearchedEndOfTheBracket) {
  EXPECT_NEAR(FindExtremum(Rising, 40, 45, 50, 1), 50.0, 0.001);
  EXPECT_NEAR(FindExtremum(Rising, 40, 45, 50, 0), 40.0, 0.001);
}

TEST(FindExtremumTest, ConstantFunctionKeepsTheGivenMiddle) {
  EXPECT_EQ(FindExtremum(Flat, 40, 45, 50, 1), 45.0);
  EXPECT_EQ(FindExtremum(Flat, 40, 45, 50, 0), 45.0);
}

TEST(FindExtremumTest, BracketTooWideForItsMagnitudeStillEnds) {
  // Halving cannot bring a bracket at 1e17 below 0.001; the search must still return.
  const double mid = FindExtremum(Rising, 1e17, 1e17 + 64, 1e17 + 128, 1);
  EXPECT_GE(mid, 1e17);
}

TEST(ScanExtremaTest, FindsTheSingleMinimumOfCos2t) {
  ExtremumRecord out[8];
  out[1] = {123.0, 1};
  ScanExtrema(Cos2t, 8, out, 5, 175, 5);
  EXPECT_NEAR(out[0].angle, 90.0, 0.001);
  EXPECT_EQ(out[0].kind, 0);
  EXPECT_EQ(out[1].angle, 123.0);  // records beyond those written keep their contents
  EXPECT_EQ(out[1].kind, 1);
}

TEST(ScanExtremaTest, StopsAfterMaxCountRecordsLowestAnglesFirst) {
  ExtremumRecord out[4];
  out[3] = {-1.0, 0};
  ScanExtrema(Ripple, 3, out, 0, 180, 1);
  EXPECT_NEAR(out[0].angle, 7.0, 0.001);
  EXPECT_EQ(out[0].kind, 1);
  EXPECT_NEAR(out[1].angle, 22.0, 0.001);
  EXPECT_EQ(out[1].kind, 0);
  EXPECT_NEAR(out[2].angle, 37.0, 0.001);
  EXPECT_EQ(out[3].angle, -1.0);
}

TEST(ScanExtremaTest, ReportsOnlyStrictInteriorExtrema) {
  ExtremumRecord out[2] = {{-1.0, 7}, {-1.0, 7}};
  ScanExtrema(FallingFromStart, 2, out, 5, 175, 5);  // most extreme sample at the start itself
  EXPECT_EQ(out[0].angle, -1.0);
  ScanExtrema(PlateauAt50, 2, out, 5, 175, 5);  // the top ties with its neighbours
  EXPECT_EQ(out[0].angle, -1.0);
  EXPECT_EQ(out[0].kind, 7);
}

TEST(ScanExtremaTest, RefusesAStepThatNeverAdvances) {
  ExtremumRecord out[1] = {{-1.0, 0}};
  ScanExtrema(Cos2t, 1, out, 5, 175, 0.0);
  ScanExtrema(Cos2t, 1, out, 5, 175, -5.0);
  ScanExtrema(Cos2t, 1, out, 5, 175, std::nan(""));
  EXPECT_EQ(out[0].angle, -1.0);
}
