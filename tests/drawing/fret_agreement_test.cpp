// The window's paint and the templates draw the same frets: for ordinary and hostile designs the
// lines the paint adds when the fingerboard is switched on are exactly the export's fingerboard
// lines, put through the paint's own layout.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <climits>
#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

#include "document/veskdoc.h"
#include "drawing/design_painter.h"
#include "export/fingerboard_lines.h"
#include "framework/dc.h"
#include "geometry/fret_layout.h"
#include "geometry/shape_state.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
// The row says nothing of the count beyond the two sides agreeing.
constexpr int kAnyCount = -1;
// The fingerboard is left out altogether.
constexpr int kNone = -2;

struct FretCase {
  const char* name;
  int jointFret;
  double scaleLength;
  double holePosition;
  double nutWidth;
  double fret12Width;
  int vertical;
  int frets;  // frets drawn across, kAnyCount or kNone
};

void PrintTo(const FretCase& c, std::ostream* os) {
  *os << c.name << " (j " << c.jointFret << ", L " << c.scaleLength << ", p " << c.holePosition << ", nut "
      << c.nutWidth << ", w12 " << c.fret12Width << (c.vertical ? ", vertical)" : ")");
}

// A line as the device context drew it: from (x1, y1) to (x2, y2).
struct Line {
  int x1, y1, x2, y2;
  bool operator==(const Line& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
};
using Lines = std::vector<Line>;

class FretAgreement : public ::testing::TestWithParam<FretCase> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.OnNewDocument());
    ASSERT_EQ(doc.m_fitValid, 1);
    const FretCase& c = GetParam();
    doc.m_holeDefined = 1;
    doc.m_jointFret = c.jointFret;
    doc.m_scaleLength = c.scaleLength;
    doc.m_holePosition = c.holePosition;
    doc.m_nutWidth = c.nutWidth;
    doc.m_fret12Width = c.fret12Width;
    doc.m_holeDiameter = 0.5;
  }

  // Every LineTo of one whole paint into an 800 x 600 image.
  Lines PaintLines(int showFingerboard) {
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    CDC dc(&painter, CRect(0, 0, 800, 600));
    DrawCalls calls;
    dc.RecordInto(&calls);
    ViewFlags flags;
    flags.vertical = GetParam().vertical;
    flags.showFingerboard = showFingerboard;
    PaintDesign(&dc, &doc, g_shapeState, flags, &layout);
    Lines lines;
    for (const DrawCall& call : calls)
      if (call.kind == DrawCall::Line) lines.push_back({call.x1, call.y1, call.x2, call.y2});
    return lines;
  }

  // A model point (along the axis, across it) in the paint's window, as the paint maps it.
  QPoint Window(Point2 p) const {
    if (GetParam().vertical == 0) return QPoint(layout.WindowX(p.x), layout.WindowY(p.y));
    return QPoint(layout.WindowX(p.y), layout.WindowY(p.x));
  }

  Line Window(const Segment& s) const {
    const QPoint a = Window(s.a), b = Window(s.b);
    return {a.x(), a.y(), b.x(), b.y()};
  }

  CVeskDoc doc;
  ViewLayout layout;
};

TEST_P(FretAgreement, ThePaintDrawsTheTemplatesFingerboard) {
  const FretCase& c = GetParam();
  const Lines without = PaintLines(0);
  const Lines with = PaintLines(1);
  ASSERT_GE(layout.scale, 1.0) << "the design is drawn";
  // The soundhole's cross is the paint's last two lines; the fingerboard comes just before it.
  ASSERT_GE(without.size(), 2u);
  const Result<FingerboardLines> exported = LayOutFingerboard(doc.FretInput());

  Lines expected(without.begin(), without.end() - 2);
  if (exported) {
    for (const Segment& fret : exported->frets) expected.push_back(Window(fret));
    expected.push_back(Window(exported->saddle));
    expected.push_back(Window(exported->edges[0]));
    expected.push_back(Window(exported->edges[1]));
  }
  expected.insert(expected.end(), without.end() - 2, without.end());
  ASSERT_EQ(with.size(), expected.size()) << exported->frets.size() << " frets exported";
  for (std::size_t i = 0; i < with.size(); ++i) {
    const Line& w = with[i];
    const Line& e = expected[i];
    ASSERT_EQ(w, e) << "line " << i << ": painted (" << w.x1 << "," << w.y1 << ")-(" << w.x2 << "," << w.y2
                    << "), exported (" << e.x1 << "," << e.y1 << ")-(" << e.x2 << "," << e.y2 << ")";
  }

  if (c.frets == kNone) {
    EXPECT_FALSE(exported.ok()) << "no fingerboard on either side";
  } else {
    ASSERT_TRUE(exported.ok()) << exported.error().message;
    if (c.frets != kAnyCount) {
      EXPECT_EQ(exported->frets.size(), static_cast<std::size_t>(c.frets));
    }
    for (const Segment& fret : exported->frets) EXPECT_LT(fret.a.x, c.holePosition) << "a fret past the hole";
  }
}

// Classical values: scale 65, nut 5.2, twelfth-fret width 6.2.
const FretCase kCases[] = {
    {"Joint12HoleAt12", 12, 65.0, 12.0, 5.2, 6.2, 0, 7},  // frets 13..19
    {"Joint14HoleAt12", 14, 65.0, 12.0, 5.2, 6.2, 0, 9},  // frets 15..23
    {"Joint12Vertical", 12, 65.0, 12.0, 5.2, 6.2, 1, 7},
    {"Joint14Vertical", 14, 65.0, 12.0, 5.2, 6.2, 1, 9},
    {"HoleBeforeTheFirstFret", 12, 65.0, 1.0, 5.2, 6.2, 0, 0},
    {"HoleBeyondTheSaddle", 12, 65.0, 1e6, 5.2, 6.2, 0, kMaxFretsOverBody},
    {"HoleBeyondTheSaddleVertical", 14, 65.0, 1e6, 5.2, 6.2, 1, kMaxFretsOverBody},
    {"HoleInfinite", 12, 65.0, kInf, 5.2, 6.2, 0, kMaxFretsOverBody},
    {"HoleNaN", 12, 65.0, kNaN, 5.2, 6.2, 0, 0},
    {"HoleNegative", 12, 65.0, -5.0, 5.2, 6.2, 0, 0},
    {"ScaleNegative", 12, -65.0, 12.0, 5.2, 6.2, 0, kNone},
    {"ScaleZero", 12, 0.0, 12.0, 5.2, 6.2, 0, kNone},
    {"ScaleNaN", 12, kNaN, 12.0, 5.2, 6.2, 0, kNone},
    {"ScaleInfinite", 12, kInf, 12.0, 5.2, 6.2, 0, kNone},
    {"ScaleHuge", 12, 1e300, 12.0, 5.2, 6.2, 0, kAnyCount},
    {"ScaleTiny", 12, 1e-300, 12.0, 5.2, 6.2, 0, kAnyCount},
    {"JointFret0", 0, 65.0, 12.0, 5.2, 6.2, 0, kNone},
    {"JointFretMinus1", -1, 65.0, 12.0, 5.2, 6.2, 0, kNone},
    {"JointFretIntMin", INT_MIN, 65.0, 12.0, 5.2, 6.2, 0, kNone},
    {"JointFretIntMax", INT_MAX, 65.0, 12.0, 5.2, 6.2, 0, kAnyCount},
    {"JointFret1", 1, 65.0, 12.0, 5.2, 6.2, 0, kAnyCount},
    {"WidthsOverflow", 12, 65.0, 12.0, 1e308, -1e308, 0, kNone},
    {"NutWidthNaN", 12, 65.0, 12.0, kNaN, 6.2, 0, kNone},
    {"Fret12WidthInfinite", 12, 65.0, 12.0, 5.2, kInf, 0, kNone},
};

INSTANTIATE_TEST_SUITE_P(Designs, FretAgreement, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FretCase>& info) { return info.param.name; });

}  // namespace
