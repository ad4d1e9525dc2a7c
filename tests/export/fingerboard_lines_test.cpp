// The fret walk over the body: where frets stop, the saddle line, the edges, and the values for
// which there is no fingerboard.
#include "export/fingerboard_lines.h"

#include <gtest/gtest.h>

namespace {

FingerboardInput Classical(double holePosition) {
  return {12, 65.0, holePosition, 5.2, 6.2};
}

double Width(const Segment& s) {
  return s.a.y - s.b.y;
}

}  // namespace

TEST(FingerboardLines, ClassicalFretsStopAtTheSoundhole) {
  const FingerboardResult r = LayOutFingerboard(Classical(12.0));
  ASSERT_TRUE(r.why.isEmpty());
  const FingerboardLines& f = r.lines;
  ASSERT_EQ(f.frets.size(), 7u);  // frets 13 to 19
  EXPECT_EQ(f.endFret, 20);
  EXPECT_NEAR(f.frets.front().a.x, 1.824, 1e-3);
  EXPECT_NEAR(Width(f.frets.front()), 6.256, 1e-3);
  EXPECT_NEAR(f.frets.back().a.x, 10.809, 1e-3);
  EXPECT_NEAR(f.saddle.a.x, 32.5, 1e-9);
  EXPECT_NEAR(Width(f.saddle), 7.2, 1e-9);
  // Edges from the joint fret (x = 0, width 6.2) to fret 20 at about 12.026.
  EXPECT_NEAR(f.edges[0].a.x, 0.0, 1e-12);
  EXPECT_NEAR(f.edges[1].a.y - f.edges[0].a.y, 6.2, 1e-12);
  EXPECT_NEAR(f.edges[0].b.x, 12.026, 1e-3);
}

TEST(FingerboardLines, JointAtFourteenReachesTheJointWidthThere) {
  const FingerboardResult r = LayOutFingerboard({14, 65.0, 12.0, 5.2, 6.2});
  ASSERT_TRUE(r.why.isEmpty());
  EXPECT_EQ(r.lines.frets.size(), 9u);  // frets 15 to 23
  EXPECT_EQ(r.lines.endFret, 24);
  EXPECT_NEAR(r.lines.saddle.a.x, 28.954, 1e-3);
  EXPECT_NEAR(Width(r.lines.saddle), 7.003, 1e-3);
}

TEST(FingerboardLines, HoleBeforeTheFirstFretDrawsNoFretButEdges) {
  const FingerboardResult r = LayOutFingerboard(Classical(1.0));
  ASSERT_TRUE(r.why.isEmpty());
  EXPECT_TRUE(r.lines.frets.empty());
  EXPECT_EQ(r.lines.endFret, 13);
  EXPECT_NEAR(r.lines.edges[0].b.x, 1.824, 1e-3);
}

TEST(FingerboardLines, WalkEndsWhateverTheHolePosition) {
  for (double p : {1e9, 1e300, double(INFINITY)}) {
    const FingerboardResult r = LayOutFingerboard(Classical(p));
    EXPECT_TRUE(r.why.isEmpty());
    EXPECT_EQ(r.lines.frets.size(), static_cast<std::size_t>(kMaxFretsOverBody)) << p;
    for (const Segment& s : r.lines.frets) EXPECT_LT(s.a.x, r.lines.saddle.a.x);
  }
  EXPECT_TRUE(LayOutFingerboard(Classical(NAN)).lines.frets.empty());
  // The largest joint fret a file can hold walks in doubles, without overflow: its frets all sit
  // at the saddle, so none is drawn.
  const FingerboardResult huge = LayOutFingerboard({2147483647, 65.0, 12.0, 5.2, 6.2});
  EXPECT_TRUE(huge.lines.frets.empty());
  EXPECT_EQ(huge.lines.endFret, 2147483647);
}

TEST(FingerboardLines, NoFingerboardWithoutAJointFretOrAScale) {
  EXPECT_FALSE(LayOutFingerboard({0, 65.0, 12.0, 5.2, 6.2}).why.isEmpty());
  EXPECT_FALSE(LayOutFingerboard({-3, 65.0, 12.0, 5.2, 6.2}).why.isEmpty());
  for (double L : {0.0, -65.0, double(NAN), double(INFINITY)}) {
    const FingerboardResult r = LayOutFingerboard({12, L, 12.0, 5.2, 6.2});
    EXPECT_FALSE(r.why.isEmpty()) << L;
    EXPECT_TRUE(r.lines.frets.empty());
  }
  const FingerboardResult widths = LayOutFingerboard({12, 65.0, 12.0, NAN, 6.2});
  EXPECT_FALSE(widths.why.isEmpty());
  EXPECT_TRUE(widths.lines.frets.empty());
}
