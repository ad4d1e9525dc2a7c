// The whole fretboard: equal-tempered frets from the nut, the taper, fanned frets and bad input.
#include "geometry/fret_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "geometry/fret_layout.h"
#include "geometry/fretboard.h"

namespace {

FretTableInput Straight(double scale, int frets = 19) {
  FretTableInput in;
  in.bassScale = in.trebleScale = scale;
  in.fretCount = frets;
  in.nutWidth = 52.0;
  in.widthFret = 12;
  in.widthAtFret = 62.0;
  return in;
}

FretTableInput Fanned(double bass, double treble, int perpendicular, int frets = 24) {
  FretTableInput in = Straight(bass, frets);
  in.trebleScale = treble;
  in.perpendicularFret = perpendicular;
  return in;
}

// The same distance in long double, straight from the definition of equal temperament: each fret
// shortens the string to 2^(-1/12) of what the previous one left.
long double ReferenceFromNut(long double scale, int n) {
  return scale * (1.0L - std::exp2(-n / 12.0L));
}

}  // namespace

struct ScaleCase {
  const char* name;
  double scale;
};
void PrintTo(const ScaleCase& c, std::ostream* os) {
  *os << c.name;
}

class StraightBoardTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(StraightBoardTest, OctaveAndTwoOctavesLieAtHalfAndThreeQuartersOfTheScale) {
  const double L = GetParam().scale;
  const FretTable t = MakeFretTable(Straight(L, 24));
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  EXPECT_NEAR(t.frets[11].bass.fromNut, L / 2, 1e-12 * L);
  EXPECT_NEAR(t.frets[23].bass.fromNut, 3 * L / 4, 1e-12 * L);
  EXPECT_NEAR(t.frets[11].bass.fromSaddle, L / 2, 1e-12 * L);
  EXPECT_NEAR(t.frets[23].bass.fromSaddle, L / 4, 1e-12 * L);
  EXPECT_FALSE(t.multiscale);
}

TEST_P(StraightBoardTest, EveryFretIsWithinRoundingOfTheLongDoubleReference) {
  const double L = GetParam().scale;
  const FretTable t = MakeFretTable(Straight(L, kMaxFrets));
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  for (const FretRow& r : t.frets) {
    const long double ref = ReferenceFromNut(L, r.fret);
    EXPECT_NEAR(r.bass.fromNut, static_cast<double>(ref), 4e-16 * L) << "fret " << r.fret;
    EXPECT_NEAR(r.bass.fromSaddle, static_cast<double>(L - ref), 4e-16 * L) << "fret " << r.fret;
    const long double previous = r.fret == 1 ? 0.0L : ReferenceFromNut(L, r.fret - 1);
    EXPECT_NEAR(r.bass.fromPrevious, static_cast<double>(ref - previous), 4e-16 * L) << "fret " << r.fret;
  }
}

TEST_P(StraightBoardTest, FretsAreSquareLinesAtTheirDistanceFromTheNut) {
  const double L = GetParam().scale;
  const FretTable t = MakeFretTable(Straight(L));
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  EXPECT_EQ(t.nut.bass.x, 0.0);
  EXPECT_EQ(t.nut.treble.x, 0.0);
  for (const FretRow& r : t.frets) {
    EXPECT_EQ(r.line.bass.x, r.bass.fromNut);
    EXPECT_EQ(r.line.treble.x, r.bass.fromNut);
    EXPECT_EQ(r.angle, 0.0);
    EXPECT_EQ(r.bass.fromNut, r.treble.fromNut);
    EXPECT_EQ(r.bass.width, r.treble.width);
  }
  EXPECT_NEAR(t.saddle.bass.x, L, 1e-15 * L);
}

INSTANTIATE_TEST_SUITE_P(Scales, StraightBoardTest,
                         ::testing::Values(ScaleCase{"Classical650mm", 650.0}, ScaleCase{"Design65cm", 65.0},
                                           ScaleCase{"Fender25p5in", 25.5},
                                           ScaleCase{"Gibson628p65mm", 628.65}, ScaleCase{"Tiny", 1e-3},
                                           ScaleCase{"Huge", 1e6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FretTableTest, TheBoardTapersLinearlyFromTheNutWidthToTheGivenWidth) {
  const FretTable t = MakeFretTable(Straight(650.0));
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  EXPECT_DOUBLE_EQ(t.nut.bass.y, 26.0);
  EXPECT_DOUBLE_EQ(t.nut.treble.y, -26.0);
  EXPECT_NEAR(t.frets[11].bass.width, 62.0, 1e-12);
  EXPECT_NEAR(t.frets[11].line.bass.y - t.frets[11].line.treble.y, 62.0, 1e-12);
  // 10 mm wider over the 325 mm to the octave: 2 mm wider every 65 mm.
  EXPECT_NEAR(t.frets[6].bass.width, 52.0 + t.frets[6].bass.fromNut * (2.0 / 65.0), 1e-12);
  EXPECT_NEAR(t.saddle.bass.y - t.saddle.treble.y, 72.0, 1e-12);
}

TEST(FretTableTest, TheWidthCanBeGivenAtAnyFret) {
  FretTableInput in = Straight(650.0);
  in.widthFret = 14;
  in.widthAtFret = 62.0;
  const FretTable t = MakeFretTable(in);
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  EXPECT_NEAR(t.frets[13].bass.width, 62.0, 1e-12);
  EXPECT_LT(t.frets[11].bass.width, 62.0);
}

TEST(FretTableTest, BoardEndDefaultsToWhereTheNextFretWouldStand) {
  const FretTable t = MakeFretTable(Straight(650.0, 19));
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  EXPECT_NEAR(t.bassLength, static_cast<double>(ReferenceFromNut(650.0, 20)), 1e-12);
  EXPECT_EQ(t.boardEnd.bass.x, t.bassLength);
  const std::vector<Point2> outline = BoardOutline(t);
  ASSERT_EQ(outline.size(), 4u);
  EXPECT_EQ(outline[0].x, 0.0);
  EXPECT_EQ(outline[1].x, t.bassLength);
  EXPECT_GT(outline[1].y, 0.0);
  EXPECT_LT(outline[2].y, 0.0);
}

struct BoardEndCase {
  const char* name;
  BoardEndKind kind;
  double value;
  double expectedLength;  // NaN: refused
};
void PrintTo(const BoardEndCase& c, std::ostream* os) {
  *os << c.name;
}

class BoardEndTest : public ::testing::TestWithParam<BoardEndCase> {};

TEST_P(BoardEndTest, EndsWhereAskedOrRefusesAnEndBeforeTheLastFret) {
  FretTableInput in = Straight(650.0, 19);
  in.boardEnd = GetParam().kind;
  in.boardEndValue = GetParam().value;
  const FretTable t = MakeFretTable(in);
  if (std::isnan(GetParam().expectedLength)) {
    EXPECT_EQ(t.status, FretTableStatus::kBadBoardEnd);
    EXPECT_TRUE(t.frets.empty());
    return;
  }
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  EXPECT_NEAR(t.bassLength, GetParam().expectedLength, 1e-9);
  EXPECT_NEAR(t.trebleLength, GetParam().expectedLength, 1e-9);
}

const double kFret19 = static_cast<double>(ReferenceFromNut(650.0, 19));
const double kNaN = std::nan("");

INSTANTIATE_TEST_SUITE_P(
    Ends, BoardEndTest,
    ::testing::Values(BoardEndCase{"AtTheLastFret", BoardEndKind::kAtFret, 19.0, kFret19},
                      BoardEndCase{"HalfwayToFret20", BoardEndKind::kAtFret, 19.5,
                                   static_cast<double>(650.0L * (1.0L - std::exp2(-19.5L / 12.0L)))},
                      BoardEndCase{"BeforeTheLastFret", BoardEndKind::kAtFret, 18.99, kNaN},
                      BoardEndCase{"Length450", BoardEndKind::kLength, 450.0, 450.0},
                      BoardEndCase{"LengthShortOfTheLastFret", BoardEndKind::kLength, 433.0, kNaN},
                      BoardEndCase{"LengthNaN", BoardEndKind::kLength, kNaN, kNaN},
                      BoardEndCase{"FiveMmPastTheLastFret", BoardEndKind::kPastLastFret, 5.0, kFret19 + 5.0},
                      BoardEndCase{"NegativeOverhang", BoardEndKind::kPastLastFret, -0.1, kNaN},
                      BoardEndCase{"InfiniteFret", BoardEndKind::kAtFret, HUGE_VAL, kNaN}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FretTableTest, SaddleCompensationMovesTheSaddleButNoFret) {
  FretTableInput in = Straight(650.0);
  const FretTable plain = MakeFretTable(in);
  in.saddleCompensation = 2.5;
  const FretTable compensated = MakeFretTable(in);
  ASSERT_EQ(compensated.status, FretTableStatus::kOk);
  for (std::size_t i = 0; i < plain.frets.size(); ++i) {
    EXPECT_EQ(compensated.frets[i].bass.fromNut, plain.frets[i].bass.fromNut);
    EXPECT_DOUBLE_EQ(compensated.frets[i].bass.fromSaddle, plain.frets[i].bass.fromSaddle + 2.5);
  }
  EXPECT_DOUBLE_EQ(compensated.saddle.bass.x, 652.5);
}

// A fanned board: 27 in on the bass, 25.5 in on the treble, the 7th fret square.
TEST(MultiscaleTest, EachEdgeRunsItsOwnScaleFromNutToSaddle) {
  const double bass = 685.8, treble = 647.7;
  const FretTable t = MakeFretTable(Fanned(bass, treble, 7));
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  EXPECT_TRUE(t.multiscale);
  EXPECT_NEAR(t.saddle.bass.x - t.nut.bass.x, bass, 1e-12 * bass);
  EXPECT_NEAR(t.saddle.treble.x - t.nut.treble.x, treble, 1e-12 * treble);
  // The nut's nearer end starts the drawing.
  EXPECT_EQ(std::min(t.nut.bass.x, t.nut.treble.x), 0.0);
  for (const FretRow& r : t.frets) {
    EXPECT_NEAR(r.line.bass.x - t.nut.bass.x, static_cast<double>(ReferenceFromNut(bass, r.fret)),
                1e-12 * bass);
    EXPECT_NEAR(r.line.treble.x - t.nut.treble.x, static_cast<double>(ReferenceFromNut(treble, r.fret)),
                1e-12 * treble);
    EXPECT_NEAR(r.bass.fromNut, static_cast<double>(ReferenceFromNut(bass, r.fret)), 1e-12 * bass);
    EXPECT_NEAR(r.treble.fromNut, static_cast<double>(ReferenceFromNut(treble, r.fret)), 1e-12 * treble);
    EXPECT_NEAR(r.bass.fromSaddle + r.bass.fromNut, bass, 1e-12 * bass);
  }
}

TEST(MultiscaleTest, ThePerpendicularFretIsSquareAndTheOthersFanAwayFromIt) {
  const FretTable t = MakeFretTable(Fanned(685.8, 647.7, 7));
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  const FretRow& seventh = t.frets[6];
  EXPECT_EQ(seventh.line.bass.x, seventh.line.treble.x);
  EXPECT_EQ(seventh.angle, 0.0);
  EXPECT_EQ(seventh.bass.width, seventh.treble.width);
  // Below it the longer bass reaches back towards the nut; above it, on towards the saddle.
  EXPECT_LT(t.nut.bass.x, t.nut.treble.x);
  EXPECT_GT(t.saddle.bass.x, t.saddle.treble.x);
  for (const FretRow& r : t.frets) {
    if (r.fret < 7) {
      EXPECT_LT(r.angle, 0.0) << "fret " << r.fret;
    } else if (r.fret > 7) {
      EXPECT_GT(r.angle, 0.0) << "fret " << r.fret;
    }
    // The angle is that of the drawn line.
    const double dx = r.line.bass.x - r.line.treble.x, dy = r.line.bass.y - r.line.treble.y;
    EXPECT_NEAR(std::tan(r.angle * M_PI / 180.0), dx / dy, 1e-12);
  }
  // The fan opens steadily: every fret stands further from square than the one before it.
  for (std::size_t i = 7; i < t.frets.size(); ++i) EXPECT_GT(t.frets[i].angle, t.frets[i - 1].angle);
}

TEST(MultiscaleTest, ASquareNutOrASquareLastFret) {
  const FretTable nutSquare = MakeFretTable(Fanned(685.8, 647.7, 0));
  ASSERT_EQ(nutSquare.status, FretTableStatus::kOk);
  EXPECT_EQ(nutSquare.nut.bass.x, 0.0);
  EXPECT_EQ(nutSquare.nut.treble.x, 0.0);
  const FretTable lastSquare = MakeFretTable(Fanned(685.8, 647.7, 24));
  ASSERT_EQ(lastSquare.status, FretTableStatus::kOk);
  EXPECT_EQ(lastSquare.frets.back().angle, 0.0);
}

TEST(MultiscaleTest, TheTaperIsAnchoredOnTheCentreString) {
  const double bass = 685.8, treble = 647.7;
  const FretTable t = MakeFretTable(Fanned(bass, treble, 7));
  ASSERT_EQ(t.status, FretTableStatus::kOk);
  // A centre string of the mean scale meets fret 12 midway between the fret's ends: 62 wide there.
  const FretRow& twelfth = t.frets[11];
  const double mid = 0.5 * (twelfth.line.bass.x + twelfth.line.treble.x);
  const double slope =
      (twelfth.bass.width - twelfth.treble.width) / (twelfth.line.bass.x - twelfth.line.treble.x);
  EXPECT_NEAR(twelfth.treble.width + slope * (mid - twelfth.line.treble.x), 62.0, 1e-9);
}

TEST(FretTableTest, ASlotMayTakeUpToHalfTheFirstFretSpacing) {
  FretTableInput in = Fanned(685.8, 647.7, 7);
  const double half = 0.5 * static_cast<double>(ReferenceFromNut(647.7, 1));
  in.slotWidth = half * (1 - 1e-12);
  EXPECT_EQ(MakeFretTable(in).status, FretTableStatus::kOk);
  in.slotWidth = half * (1 + 1e-12);
  const FretTable refused = MakeFretTable(in);
  EXPECT_EQ(refused.status, FretTableStatus::kBadSlotWidth);
  EXPECT_NEAR(refused.maxSlotWidth, half, 1e-12);
  EXPECT_TRUE(refused.frets.empty());
}

struct BadInputCase {
  const char* name;
  void (*spoil)(FretTableInput&);
  FretTableStatus status;
};
void PrintTo(const BadInputCase& c, std::ostream* os) {
  *os << c.name;
}

class BadInputTest : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(BadInputTest, IsRefusedWithItsReasonAndNothingElse) {
  FretTableInput in = Fanned(685.8, 647.7, 7);
  GetParam().spoil(in);
  const FretTable t = MakeFretTable(in);
  EXPECT_EQ(t.status, GetParam().status);
  EXPECT_TRUE(t.frets.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BadInputTest,
    ::testing::Values(
        BadInputCase{"ZeroScale", [](FretTableInput& in) { in.bassScale = 0.0; }, FretTableStatus::kBadScale},
        BadInputCase{"NegativeScale", [](FretTableInput& in) { in.trebleScale = -650.0; },
                     FretTableStatus::kBadScale},
        BadInputCase{"NaNScale", [](FretTableInput& in) { in.bassScale = std::nan(""); },
                     FretTableStatus::kBadScale},
        BadInputCase{"InfiniteScale", [](FretTableInput& in) { in.trebleScale = HUGE_VAL; },
                     FretTableStatus::kBadScale},
        BadInputCase{"NoFrets", [](FretTableInput& in) { in.fretCount = 0; }, FretTableStatus::kBadFretCount},
        BadInputCase{"ThirtySevenFrets", [](FretTableInput& in) { in.fretCount = 37; },
                     FretTableStatus::kBadFretCount},
        BadInputCase{"PerpendicularBelowTheNut", [](FretTableInput& in) { in.perpendicularFret = -1; },
                     FretTableStatus::kBadPerpendicular},
        BadInputCase{"PerpendicularPastTheLastFret", [](FretTableInput& in) { in.perpendicularFret = 25; },
                     FretTableStatus::kBadPerpendicular},
        BadInputCase{"WidthAtTheNutFret", [](FretTableInput& in) { in.widthFret = 0; },
                     FretTableStatus::kBadWidthFret},
        BadInputCase{"ZeroNutWidth", [](FretTableInput& in) { in.nutWidth = 0.0; },
                     FretTableStatus::kBadWidth},
        BadInputCase{"NegativeWidth", [](FretTableInput& in) { in.widthAtFret = -62.0; },
                     FretTableStatus::kBadWidth},
        BadInputCase{"NegativeCompensation", [](FretTableInput& in) { in.saddleCompensation = -1.0; },
                     FretTableStatus::kBadCompensation},
        BadInputCase{"NegativeSlot", [](FretTableInput& in) { in.slotWidth = -0.5; },
                     FretTableStatus::kBadSlotWidth},
        // Narrowing by 50 mm over the first twelve frets leaves nothing well before the saddle.
        BadInputCase{"NarrowsToNothing", [](FretTableInput& in) { in.widthAtFret = 2.0; },
                     FretTableStatus::kNarrowsToNothing},
        BadInputCase{"Overflows", [](FretTableInput& in) { in.bassScale = in.trebleScale = 1.7e308; },
                     FretTableStatus::kNotFinite}),
    [](const auto& info) { return std::string(info.param.name); });

// The window draws frets j+1 up to the soundhole from the one fret layout; the whole board's table
// must put those frets, and the board's width there, at the same places.
struct WindowCase {
  const char* name;
  FretLayoutInput window;
};
void PrintTo(const WindowCase& c, std::ostream* os) {
  *os << c.name;
}

class WindowAgreementTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowAgreementTest, TheWindowsFretsStandWhereTheTableSays) {
  const FretLayoutInput& w = GetParam().window;
  const FretLayout layout = LayOutFrets(w);
  ASSERT_EQ(layout.status, FretLayoutStatus::kOk);
  ASSERT_FALSE(layout.frets.empty());

  FretTableInput in;
  in.bassScale = in.trebleScale = w.scaleLength;
  in.fretCount = kMaxFrets;
  in.nutWidth = w.nutWidth;
  in.widthFret = w.jointFret;  // the window reaches the entered width at the joint fret
  in.widthAtFret = w.jointWidth;
  const FretTable table = MakeFretTable(in);
  ASSERT_EQ(table.status, FretTableStatus::kOk);

  const double nutOffset = -FretPosition(0, w.jointFret, w.scaleLength);
  const double tol = 1e-12 * w.scaleLength;
  for (std::size_t k = 0; k < layout.frets.size(); ++k) {
    const int n = w.jointFret + 1 + static_cast<int>(k);
    ASSERT_LE(n, kMaxFrets);
    const FretRow& row = table.frets[static_cast<std::size_t>(n - 1)];
    EXPECT_NEAR(layout.frets[k].at + nutOffset, row.bass.fromNut, tol) << "fret " << n;
    EXPECT_NEAR(layout.frets[k].at + nutOffset, row.line.bass.x, tol) << "fret " << n;
    EXPECT_NEAR(layout.frets[k].width, row.bass.width, 1e-12 * w.jointWidth) << "fret " << n;
  }
  EXPECT_NEAR(layout.joint.at + nutOffset,
              table.frets[static_cast<std::size_t>(w.jointFret - 1)].bass.fromNut, tol);
  EXPECT_NEAR(layout.saddle.at + nutOffset, table.saddle.bass.x, tol);
  EXPECT_NEAR(layout.saddle.width, table.saddle.bass.y - table.saddle.treble.y, 1e-12 * w.jointWidth);
}

INSTANTIATE_TEST_SUITE_P(Designs, WindowAgreementTest,
                         ::testing::Values(WindowCase{"NewDesignClassicalJoint12",
                                                      {12, 65.0, 15.072, 5.2, 6.2}},
                                           WindowCase{"NewDesignJoint14", {14, 65.0, 12.0, 5.2, 6.2}},
                                           WindowCase{"SavedDesignJoint14", {14, 64.0, 14.5, 5.0, 6.0}},
                                           WindowCase{"InchesJoint12", {12, 25.59, 6.0, 2.05, 2.44}},
                                           WindowCase{"FretsUpTo34OverTheBody", {14, 65.0, 20.0, 5.2, 6.2}}),
                         [](const auto& info) { return std::string(info.param.name); });
