// The fret-slot template's model: its layers and parts, one piece per fret, slots and extensions.
#include "export/fretboard_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

FretTable Board(double bass, double treble, int perpendicular) {
  FretTableInput in;
  in.bassScale = bass;
  in.trebleScale = treble;
  in.perpendicularFret = perpendicular;
  in.fretCount = 19;
  in.nutWidth = 5.2;
  in.widthAtFret = 6.2;
  return MakeFretTable(in);
}

double Cross(Point2 o, Point2 a, Point2 b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

}  // namespace

TEST(FretboardModel, LayersInDrawingOrderWithTheirParts) {
  FretboardDrawing d;
  d.table = Board(65.0, 65.0, 0);
  d.jointFret = 14;
  const ExportModel m = BuildFretboardModel(d, ExportUnit::Cm, {"title"});
  const struct {
    const char* name;
    Part part;
  } expected[] = {{"BOARD", Part::Outline}, {"CENTRELINE", Part::Centreline},
                  {"NUT", Part::Frets},     {"FRETS", Part::Frets},
                  {"SADDLE", Part::Frets},  {"FRET_NUMBERS", Part::Frets},
                  {"CHECK", Part::Check},   {"TITLE", Part::Title}};
  ASSERT_EQ(m.layers.size(), std::size(expected));
  for (std::size_t i = 0; i < m.layers.size(); ++i) {
    EXPECT_EQ(m.layers[i].name.toStdString(), expected[i].name);
    EXPECT_EQ(m.layers[i].part, expected[i].part) << expected[i].name;
  }
  const DrawingLayer* board = m.Find("BOARD");
  ASSERT_EQ(board->polylines.size(), 1u);
  EXPECT_TRUE(board->polylines[0].closed);
  EXPECT_EQ(board->polylines[0].points.size(), 4u);
  EXPECT_EQ(m.Find("FRETS")->segments.size(), 19u);
  EXPECT_TRUE(m.Find("FRETS")->polylines.empty());
  const std::vector<TextLine>& numbers = m.Find("FRET_NUMBERS")->texts;
  ASSERT_EQ(numbers.size(), 19u);
  EXPECT_EQ(numbers[13].text, "14 J");
  EXPECT_EQ(numbers[12].text, "13");
  // Right-handed, the treble edge is on top: the numbers sit above it, clear of the board.
  for (std::size_t i = 0; i < numbers.size(); ++i)
    EXPECT_GT(numbers[i].baselineLeft.y, -d.table.frets[i].line.treble.y) << i;
  EXPECT_TRUE(m.Find("NUT")->segments.empty()) << "the board's outline draws the nut";
  EXPECT_GE(m.drawing.maxX, 65.0);  // the saddle line is part of the drawing
}

TEST(FretboardModel, RightHandedPutsTheBassEdgeAtTheBottomAndLeftHandedMirrorsIt) {
  FretboardDrawing d;
  d.table = Board(68.58, 64.77, 7);
  const ExportModel right = BuildFretboardModel(d, ExportUnit::Cm, {});
  d.hand = Handedness::kLeft;
  const ExportModel left = BuildFretboardModel(d, ExportUnit::Cm, {});
  const std::vector<Point2>& r = right.Find("BOARD")->polylines[0].points;
  const std::vector<Point2>& l = left.Find("BOARD")->polylines[0].points;
  // Bass nut, bass end, treble end, treble nut: the longer bass scale reaches further on both ends.
  EXPECT_LT(r[0].y, 0.0);
  EXPECT_LT(r[0].x, r[3].x);
  ASSERT_EQ(r.size(), l.size());
  for (std::size_t i = 0; i < r.size(); ++i) {
    EXPECT_EQ(l[i].x, r[i].x);
    EXPECT_EQ(l[i].y, -r[i].y);
  }
  const std::vector<Segment>& rf = right.Find("FRETS")->segments;
  const std::vector<Segment>& lf = left.Find("FRETS")->segments;
  for (std::size_t i = 0; i < rf.size(); ++i) {
    EXPECT_EQ(lf[i].a.y, -rf[i].a.y);
    EXPECT_EQ(lf[i].b.x, rf[i].b.x);
  }
}

TEST(FretboardModel, AnExtendedNutIsDrawnOnlyPastTheEdges) {
  FretboardDrawing d;
  d.table = Board(68.58, 64.77, 7);
  d.extend = 0.5;
  d.hand = Handedness::kLeft;
  const ExportModel m = BuildFretboardModel(d, ExportUnit::Cm, {});
  const std::vector<Segment>& nut = m.Find("NUT")->segments;
  ASSERT_EQ(nut.size(), 2u);
  const Segment whole = ExtendedFret(d.table.nut, d.extend);
  EXPECT_EQ(nut[0].a.x, whole.a.x);
  EXPECT_EQ(nut[0].b.x, d.table.nut.bass.x);
  EXPECT_EQ(nut[1].a.y, d.table.nut.treble.y);
  EXPECT_EQ(nut[1].b.y, whole.b.y);
  for (const Segment& s : nut) EXPECT_NEAR(Distance(s.a, s.b), 0.5, 1e-12);
}

TEST(FretboardModel, SlotsAreClosedRectanglesCentredOnTheFret) {
  FretboardDrawing d;
  d.table = Board(68.58, 64.77, 7);
  d.slotWidth = 0.06;
  d.extend = 0.5;
  d.hand = Handedness::kLeft;  // as the table has it
  const ExportModel m = BuildFretboardModel(d, ExportUnit::Cm, {});
  const DrawingLayer* frets = m.Find("FRETS");
  ASSERT_EQ(frets->polylines.size(), 19u);
  EXPECT_TRUE(frets->segments.empty());
  for (std::size_t i = 0; i < 19; ++i) {
    const Polyline& slot = frets->polylines[i];
    const Segment fret = ExtendedFret(d.table.frets[i].line, d.extend);
    ASSERT_TRUE(slot.closed);
    ASSERT_EQ(slot.points.size(), 4u);
    const double length = Distance(fret.a, fret.b);
    for (const Point2& p : slot.points)
      EXPECT_NEAR(std::fabs(Cross(fret.a, fret.b, p)) / length, 0.03, 1e-12) << "fret " << i + 1;
    // The long sides are as long as the extended fret, the short ones as wide as the slot.
    EXPECT_NEAR(Distance(slot.points[1], slot.points[2]), length, 1e-12);
    EXPECT_NEAR(Distance(slot.points[0], slot.points[1]), 0.06, 1e-12);
  }
}

TEST(FretboardModel, AnExtendedFretRunsOnAlongItsOwnLine) {
  const BoardLine line{{10.0, 3.0}, {12.0, -3.0}};
  const Segment s = ExtendedFret(line, 0.5);
  EXPECT_NEAR(Distance(s.a, s.b), std::hypot(2.0, 6.0) + 1.0, 1e-12);
  EXPECT_NEAR(Cross({10.0, 3.0}, {12.0, -3.0}, s.a), 0.0, 1e-12);
  EXPECT_NEAR(Cross({10.0, 3.0}, {12.0, -3.0}, s.b), 0.0, 1e-12);
  EXPECT_GT(s.a.y, 3.0);
  EXPECT_LT(s.b.y, -3.0);
  const Segment same = ExtendedFret(line, 0.0);
  EXPECT_EQ(same.a.x, 10.0);
  EXPECT_EQ(same.b.y, -3.0);
}
