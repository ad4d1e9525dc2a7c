// The fret walk over the body: where frets stop, the saddle line, the edges, and the values for
// which there is no fingerboard.
#include "export/fingerboard_lines.h"

#include <gtest/gtest.h>

#include "common/result_checks.h"

namespace {

FingerboardInput Classical(double holePosition) {
  return {12, 65.0, holePosition, 5.2, 6.2};
}

double Width(const Segment& s) {
  return s.a.y - s.b.y;
}

}  // namespace

TEST(FingerboardLines, ClassicalFretsStopAtTheSoundhole) {
  const Result<FingerboardLines> r = LayOutFingerboard(Classical(12.0));
  ASSERT_TRUE(r.ok());
  const FingerboardLines& f = *r;
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
  const Result<FingerboardLines> r = LayOutFingerboard({14, 65.0, 12.0, 5.2, 6.2});
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r->frets.size(), 9u);  // frets 15 to 23
  EXPECT_EQ(r->endFret, 24);
  EXPECT_NEAR(r->saddle.a.x, 28.954, 1e-3);
  EXPECT_NEAR(Width(r->saddle), 7.003, 1e-3);
}

TEST(FingerboardLines, HoleBeforeTheFirstFretDrawsNoFretButEdges) {
  const Result<FingerboardLines> r = LayOutFingerboard(Classical(1.0));
  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(r->frets.empty());
  EXPECT_EQ(r->endFret, 13);
  EXPECT_NEAR(r->edges[0].b.x, 1.824, 1e-3);
}

TEST(FingerboardLines, WalkEndsWhateverTheHolePosition) {
  for (double p : {1e9, 1e300, double(INFINITY)}) {
    const Result<FingerboardLines> r = LayOutFingerboard(Classical(p));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->frets.size(), static_cast<std::size_t>(kMaxFretsOverBody)) << p;
    for (const Segment& s : r->frets) EXPECT_LT(s.a.x, r->saddle.a.x);
  }
  const Result<FingerboardLines> nan = LayOutFingerboard(Classical(NAN));
  EXPECT_TRUE(!nan || nan->frets.empty());
  // The largest joint fret a file can hold walks in doubles, without overflow: its frets all sit
  // at the saddle, so none is drawn.
  const Result<FingerboardLines> huge = LayOutFingerboard({2147483647, 65.0, 12.0, 5.2, 6.2});
  ASSERT_TRUE(huge.ok());
  EXPECT_TRUE(huge->frets.empty());
  EXPECT_EQ(huge->endFret, 2147483647);
}

TEST(FingerboardLines, NoFingerboardWithoutAJointFretOrAScale) {
  EXPECT_FALSE(MessageOf(LayOutFingerboard({0, 65.0, 12.0, 5.2, 6.2})).isEmpty());
  EXPECT_FALSE(MessageOf(LayOutFingerboard({-3, 65.0, 12.0, 5.2, 6.2})).isEmpty());
  for (double L : {0.0, -65.0, double(NAN), double(INFINITY)}) {
    const Result<FingerboardLines> r = LayOutFingerboard({12, L, 12.0, 5.2, 6.2});
    EXPECT_FALSE(MessageOf(r).isEmpty()) << L;
  }
  const Result<FingerboardLines> widths = LayOutFingerboard({12, 65.0, 12.0, NAN, 6.2});
  EXPECT_FALSE(MessageOf(widths).isEmpty());
}
