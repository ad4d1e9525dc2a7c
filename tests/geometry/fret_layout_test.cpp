// The one fret layout: the worked classical cases, the equal-tempered spacing, and the hostile values
// for which the walk must still end or the fingerboard be left out.
#include "geometry/fret_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

FretLayoutInput Classical(double holePosition) {
  return {12, 65.0, holePosition, 5.2, 6.2};
}

}  // namespace

TEST(FretLayout, TwelfthFretJointStopsBeforeTheSoundhole) {
  const FretLayout f = LayOutFrets(Classical(12.0));
  ASSERT_EQ(f.status, FretLayoutStatus::kOk);
  ASSERT_EQ(f.frets.size(), 7u);  // frets 13 to 19
  EXPECT_EQ(f.endFret, 20);
  EXPECT_NEAR(f.frets.front().at, 1.824, 1e-3);
  EXPECT_NEAR(f.frets.front().width, 6.256, 1e-3);
  EXPECT_NEAR(f.frets.back().at, 10.809, 1e-3);
  EXPECT_NEAR(f.end.at, 12.026, 1e-3);
  // With the joint at the twelfth fret the saddle sits half a scale from it.
  EXPECT_NEAR(f.saddle.at, 32.5, 1e-12);
  EXPECT_NEAR(f.saddle.width, 7.2, 1e-12);
  EXPECT_EQ(f.joint.at, 0.0);
  EXPECT_NEAR(f.joint.width, 6.2, 1e-12);
}

TEST(FretLayout, FourteenthFretJointStopsBeforeTheSoundhole) {
  const FretLayout f = LayOutFrets({14, 65.0, 12.0, 5.2, 6.2});
  ASSERT_EQ(f.status, FretLayoutStatus::kOk);
  EXPECT_EQ(f.frets.size(), 9u);  // frets 15 to 23
  EXPECT_EQ(f.endFret, 24);
  EXPECT_NEAR(f.end.at, 12.704, 1e-3);
  EXPECT_NEAR(f.saddle.at, 28.954, 1e-3);
  EXPECT_NEAR(f.saddle.width, 7.003, 1e-3);
  EXPECT_NEAR(f.joint.width, 6.2, 1e-12);
}

// Each fret space is the one before it times 2^(-1/12); the fingerboard widens towards the saddle.
TEST(FretLayout, FretsAreEquallyTemperedAndWiden) {
  const FretLayout f = LayOutFrets(Classical(20.0));
  ASSERT_GE(f.frets.size(), 3u);
  const double semitone = std::pow(2.0, -1.0 / 12.0);
  for (std::size_t i = 2; i < f.frets.size(); ++i) {
    const double before = f.frets[i - 1].at - f.frets[i - 2].at, space = f.frets[i].at - f.frets[i - 1].at;
    EXPECT_NEAR(space / before, semitone, 1e-9) << "fret " << 13 + i;
    EXPECT_GT(f.frets[i].width, f.frets[i - 1].width);
  }
  EXPECT_LT(f.frets.back().at, 20.0);
  EXPECT_GE(f.end.at, 20.0);
  EXPECT_EQ(f.endFret, 13 + static_cast<int>(f.frets.size()));
}

TEST(FretLayout, HoleAtOrBeforeTheFirstFretDrawsOnlyTheEdgesToIt) {
  const double first = LayOutFrets(Classical(12.0)).frets.front().at;
  for (double p : {first, 1.0, 0.0, -10.0}) {
    const FretLayout f = LayOutFrets(Classical(p));
    EXPECT_EQ(f.status, FretLayoutStatus::kOk) << p;
    EXPECT_TRUE(f.frets.empty()) << p;
    EXPECT_EQ(f.endFret, 13) << p;
    EXPECT_EQ(f.end.at, first) << p;
  }
}

// A hostile design and what every drawing of it must show.
struct HostileCase {
  std::string name;
  FretLayoutInput in;
  FretLayoutStatus status;
  int frets;    // how many frets are drawn
  int endFret;  // where the edges stop (0 when nothing is drawn)
};

void PrintTo(const HostileCase& c, std::ostream* os) {
  *os << c.name;
}

class FretLayoutHostile : public testing::TestWithParam<HostileCase> {};

TEST_P(FretLayoutHostile, WalkEndsAndStaysFinite) {
  const HostileCase& c = GetParam();
  const FretLayout f = LayOutFrets(c.in);
  EXPECT_EQ(f.status, c.status);
  EXPECT_EQ(f.frets.size(), static_cast<std::size_t>(c.frets));
  EXPECT_EQ(f.endFret, c.endFret);
  if (f.status != FretLayoutStatus::kOk) return;
  for (const FretAcross& a : {f.joint, f.end, f.saddle}) {
    EXPECT_TRUE(std::isfinite(a.at));
    EXPECT_TRUE(std::isfinite(a.width));
  }
  for (const FretAcross& a : f.frets) {
    EXPECT_TRUE(std::isfinite(a.at) && std::isfinite(a.width));
    EXPECT_LT(a.at, f.saddle.at);
    EXPECT_LT(a.at, c.in.holePosition);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, FretLayoutHostile,
    testing::Values(
        HostileCase{"HoleBeyondTheSaddle", Classical(40.0), FretLayoutStatus::kOk, kMaxFretsOverBody,
                    12 + 37},
        HostileCase{"HoleFarAway", Classical(1e300), FretLayoutStatus::kOk, kMaxFretsOverBody, 12 + 37},
        HostileCase{"HoleAtInfinity", Classical(kInf), FretLayoutStatus::kOk, kMaxFretsOverBody, 12 + 37},
        HostileCase{"HoleNotANumber", Classical(kNaN), FretLayoutStatus::kOk, 0, 13},
        HostileCase{"NegativeScale", {12, -65.0, 12.0, 5.2, 6.2}, FretLayoutStatus::kNoScaleLength, 0, 0},
        HostileCase{"ZeroScale", {12, 0.0, 12.0, 5.2, 6.2}, FretLayoutStatus::kNoScaleLength, 0, 0},
        HostileCase{"ScaleNotANumber", {12, kNaN, 12.0, 5.2, 6.2}, FretLayoutStatus::kNoScaleLength, 0, 0},
        HostileCase{"InfiniteScale", {12, kInf, 12.0, 5.2, 6.2}, FretLayoutStatus::kNoScaleLength, 0, 0},
        HostileCase{"ZeroJointFret", {0, 65.0, 12.0, 5.2, 6.2}, FretLayoutStatus::kNoJointFret, 0, 0},
        HostileCase{"NegativeJointFret", {-3, 65.0, 12.0, 5.2, 6.2}, FretLayoutStatus::kNoJointFret, 0, 0},
        HostileCase{"LowestJointFret", {INT_MIN, 65.0, 12.0, 5.2, 6.2}, FretLayoutStatus::kNoJointFret, 0, 0},
        // Every fret of the largest joint fret sits at the saddle: none is drawn, and counting past
        // it does not overflow.
        HostileCase{"LargestJointFret", {INT_MAX, 65.0, 12.0, 5.2, 6.2}, FretLayoutStatus::kOk, 0, INT_MAX},
        HostileCase{"NutWidthNotANumber", {12, 65.0, 12.0, kNaN, 6.2}, FretLayoutStatus::kNotFinite, 0, 0},
        HostileCase{"InfiniteJointWidth", {12, 65.0, 12.0, 5.2, kInf}, FretLayoutStatus::kNotFinite, 0, 0},
        HostileCase{"WidthsThatOverflowTheTaper",
                    {12, 65.0, 12.0, -1e308, 1e308},
                    FretLayoutStatus::kNotFinite,
                    0,
                    0},
        HostileCase{"HugeEqualWidths", {12, 65.0, 12.0, 1e308, 1e308}, FretLayoutStatus::kOk, 7, 20},
        HostileCase{
            "HugeScale", {12, 1e300, 1e301, 5.2, 6.2}, FretLayoutStatus::kOk, kMaxFretsOverBody, 12 + 37}),
    [](const testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

TEST(FretLayout, NothingIsFilledWithoutAFingerboard) {
  for (const FretLayoutInput& in :
       {FretLayoutInput{0, 65.0, 12.0, 5.2, 6.2}, FretLayoutInput{12, -65.0, 40.0, 5.2, 6.2},
        FretLayoutInput{12, 65.0, 40.0, kNaN, 6.2}}) {
    const FretLayout f = LayOutFrets(in);
    EXPECT_NE(f.status, FretLayoutStatus::kOk);
    EXPECT_TRUE(f.frets.empty());
    EXPECT_EQ(f.endFret, 0);
    EXPECT_EQ(f.end.at, 0.0);
    EXPECT_EQ(f.saddle.width, 0.0);
  }
}
