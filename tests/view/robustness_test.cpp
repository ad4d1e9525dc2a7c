// Paints that must end, without a crash or undefined behaviour, whatever the document, the shape
// state and the client size hold.
#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>

#include "geometry/shape_state.h"
#include "view_fixture.h"

namespace {

const double kNan = std::nan("");
const double kInf = std::numeric_limits<double>::infinity();

struct OddCase {
  const char* name;
  std::function<void(CVeskDoc&)> change;
};

// gtest prints a row by its name, not as bytes.
void PrintTo(const OddCase& row, std::ostream* os) {
  *os << row.name;
}

const OddCase kOddCases[] = {
    {"length huge", [](CVeskDoc& d) { d.m_length = 1e300; }},
    {"length tiny", [](CVeskDoc& d) { d.m_length = 1e-300; }},
    {"everything tiny", [](CVeskDoc& d) { d.m_length = d.m_lowerBout = d.m_upperBout = 1e-300; }},
    {"length negative", [](CVeskDoc& d) { d.m_length = -49; }},
    {"length zero", [](CVeskDoc& d) { d.m_length = 0; }},
    {"length NaN", [](CVeskDoc& d) { d.m_length = kNan; }},
    {"length infinite", [](CVeskDoc& d) { d.m_length = kInf; }},
    {"bouts zero", [](CVeskDoc& d) { d.m_lowerBout = d.m_upperBout = 0; }},
    {"bouts negative", [](CVeskDoc& d) { d.m_lowerBout = d.m_upperBout = -3; }},
    {"bout NaN", [](CVeskDoc& d) { d.m_lowerBout = kNan; }},
    {"bouts huge", [](CVeskDoc& d) { d.m_lowerBout = d.m_upperBout = 1e300; }},
    {"joint fret 0", [](CVeskDoc& d) { d.m_jointFret = 0; }},
    {"joint fret -5", [](CVeskDoc& d) { d.m_jointFret = -5; }},
    {"joint fret 100000", [](CVeskDoc& d) { d.m_jointFret = 100000; }},
    {"joint fret INT_MAX", [](CVeskDoc& d) { d.m_jointFret = INT_MAX; }},
    {"joint fret INT_MIN", [](CVeskDoc& d) { d.m_jointFret = INT_MIN; }},
    {"scale length 0", [](CVeskDoc& d) { d.m_scaleLength = 0; }},
    {"scale length negative", [](CVeskDoc& d) { d.m_scaleLength = -65; }},
    {"scale length NaN", [](CVeskDoc& d) { d.m_scaleLength = kNan; }},
    {"scale length infinite", [](CVeskDoc& d) { d.m_scaleLength = kInf; }},
    {"scale length huge", [](CVeskDoc& d) { d.m_scaleLength = 1e300; }},
    {"scale length tiny", [](CVeskDoc& d) { d.m_scaleLength = 1e-300; }},
    {"hole beyond the saddle", [](CVeskDoc& d) { d.m_holePosition = 1e6; }},
    {"hole position NaN", [](CVeskDoc& d) { d.m_holePosition = kNan; }},
    {"hole position -huge", [](CVeskDoc& d) { d.m_holePosition = -1e300; }},
    {"diameter huge", [](CVeskDoc& d) { d.m_holeDiameter = 1e300; }},
    {"diameter 1e8", [](CVeskDoc& d) { d.m_holeDiameter = 1e8; }},
    {"diameter negative", [](CVeskDoc& d) { d.m_holeDiameter = -8.8; }},
    {"diameter NaN", [](CVeskDoc& d) { d.m_holeDiameter = kNan; }},
    {"widths NaN", [](CVeskDoc& d) { d.m_nutWidth = d.m_fret12Width = kNan; }},
    {"widths infinite", [](CVeskDoc& d) { d.m_nutWidth = -kInf, d.m_fret12Width = kInf; }},
    {"widths huge", [](CVeskDoc& d) { d.m_fret12Width = 1e300; }},
    {"outline coefficients NaN", [](CVeskDoc&) { g_shapeState.coeff[1] = kNan; }},
    {"outline coefficients infinite", [](CVeskDoc&) { g_shapeState.coeff[0] = kInf; }},
    {"outline huge", [](CVeskDoc&) { g_shapeState.coeff[0] = 1e300; }},
    {"vertical scale tiny", [](CVeskDoc&) { g_shapeState.verticalScale = 1e-300; }},
    {"vertical scale zero", [](CVeskDoc&) { g_shapeState.verticalScale = 0.0; }},
};

class OddPaint : public ViewTest, public ::testing::WithParamInterface<OddCase> {};

TEST_P(OddPaint, EndsInEverySizeOrientationAndDisplay) {
  DefineHole(12, 12.0, 8.8);
  GetParam().change(doc);
  view.m_showData = 1;
  for (int vertical : {0, 1})
    for (int fingerboard : {0, 1}) {
      view.m_vertical = vertical;
      view.m_showFingerboard = fingerboard;
      for (const QSize& size : {QSize(800, 600), QSize(1, 1), QSize(0, 0), QSize(9, 9), QSize(3, 2000)}) {
        const QImage image = Paint(size.width(), size.height());
        if (!size.isEmpty()) {
          ASSERT_NE(image.pixel(0, 0), kUnpainted) << "the white area is always painted";
        }
      }
      // Every walk is bounded: grid, outline (65536 segments a half), frets.
      EXPECT_LT(CountLines(), 140000) << vertical << fingerboard;
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, OddPaint, ::testing::ValuesIn(kOddCases), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

TEST_F(ViewTest, AScaleBelowOnePaintsOnlyTheWhiteArea) {
  view.m_showData = 1;
  for (const QSize& size : {QSize(8, 8), QSize(56, 600), QSize(1, 1)}) {
    const QImage image = Paint(size.width(), size.height());
    EXPECT_LT(view.m_scale, 1.0);
    EXPECT_EQ(CountColour(image, kWhite), size.width() * size.height())
        << size.width() << "x" << size.height();
  }
  doc.m_length = kNan;
  EXPECT_EQ(CountColour(Paint(), kWhite), 800 * 600);
  EXPECT_TRUE(std::isnan(view.m_scale));
}

TEST_F(ViewTest, TheSmallestClientThatHoldsTheDesignAtOnePixelPerUnit) {
  Paint(57, 600);  // (57 - 8) / 49 = 1
  EXPECT_EQ(view.m_scale, 1.0);
  EXPECT_GT(CountLines(57, 600), 180);
}

TEST_F(ViewTest, WithoutJointFretOrScaleTheFingerboardIsLeftOut) {
  DefineHole(12, 12.0, 8.8);
  const QImage hollow = Paint();
  view.m_showFingerboard = 1;
  const QImage withBoard = Paint();
  EXPECT_NE(withBoard, hollow);
  const std::function<void(CVeskDoc&)> changes[] = {
      [](CVeskDoc& d) { d.m_jointFret = 0; },       [](CVeskDoc& d) { d.m_jointFret = -5; },
      [](CVeskDoc& d) { d.m_scaleLength = 0.0; },   [](CVeskDoc& d) { d.m_scaleLength = kNan; },
      [](CVeskDoc& d) { d.m_scaleLength = -kInf; },
  };
  for (const auto& change : changes) {
    DefineHole(12, 12.0, 8.8);
    change(doc);
    EXPECT_EQ(Paint(), hollow) << "the hole stays hollow and no fret is drawn";
  }
}

TEST_F(ViewTest, AHugeScaleStillEndsTheOutlineWalk) {
  doc.m_length = doc.m_lowerBout = doc.m_upperBout = 1e-300;
  const long long lines = CountLines();
  EXPECT_GT(view.m_scale, 1e300);
  // The outline is drawn with the finest step the walk allows, plus the centreline.
  EXPECT_LE(lines, 65536 + 1 + 4);
}

}  // namespace
