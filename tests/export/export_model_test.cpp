// The export model built from documents: what each layer holds, the unit's sizes, what is left out
// and why, and the designs that are refused.
#include <gtest/gtest.h>

#include <cmath>

#include "common/result_checks.h"
#include "document/veskdoc.h"
#include "export/body_template.h"
#include "export_test_support.h"
#include "geometry/shape_state.h"

namespace {

class ExportModelTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(doc.OnNewDocument()); }

  Result<BuiltModel> Build(ExportContent content = {}) {
    if (content.fileName.isEmpty()) content.fileName = QStringLiteral("Untitled");
    return BuildExportModel(doc.ToDesign(), g_shapeState, content);
  }

  CVeskDoc doc;
};

double Length(const Segment& s) {
  return std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
}

// The named layer; an empty one (that fails the caller's checks) when the model has none.
const DrawingLayer& Layer(const ExportModel& m, const char* name) {
  static const DrawingLayer kNone;
  const DrawingLayer* layer = m.Find(QString::fromLatin1(name));
  EXPECT_NE(layer, nullptr) << name;
  return layer ? *layer : kNone;
}

std::vector<Segment> AllLines(const ExportModel& m) {
  std::vector<Segment> all;
  for (const DrawingLayer& layer : m.layers)
    all.insert(all.end(), layer.segments.begin(), layer.segments.end());
  return all;
}

}  // namespace

TEST_F(ExportModelTest, NewDesignHasOutlineCentrelineCheckSquareAndTitle) {
  const Result<BuiltModel> r = Build();
  ASSERT_TRUE(r.ok()) << r.error().message;
  const ExportModel& m = r->model;
  std::vector<QString> names;
  for (const DrawingLayer& layer : m.layers) names.push_back(layer.name);
  EXPECT_EQ(names, (std::vector<QString>{"OUTLINE", "CENTRELINE", "SOUNDHOLE", "FRETS", "STATIONS", "CHECK",
                                         "TITLE"}));
  ASSERT_EQ(Layer(m, "OUTLINE").polylines.size(), 1u);
  EXPECT_TRUE(Layer(m, "OUTLINE").polylines[0].closed);
  const Bounds outline = LayerBounds(Layer(m, "OUTLINE"), m.textHeight);
  EXPECT_NEAR(outline.minX, 0.0, 1e-9);
  EXPECT_NEAR(outline.maxX, 49.0, 1e-9);
  EXPECT_NEAR(outline.minY, -18.5, 1e-9);
  EXPECT_NEAR(outline.maxY, 18.5, 1e-9);
  EXPECT_NEAR(m.drawing.minY, -18.5, 1e-9);  // the drawing takes in the station labels above
  const std::vector<Segment>& centreline = Layer(m, "CENTRELINE").segments;
  ASSERT_EQ(centreline.size(), 1u);
  EXPECT_NEAR(Length(centreline[0]), 49.0, 1e-9);
  EXPECT_TRUE(Layer(m, "SOUNDHOLE").circles.empty());  // a new design has no soundhole data
  EXPECT_TRUE(Layer(m, "FRETS").segments.empty());

  // A 10 cm square below the drawing, and the title block, inside the overall bounds.
  ASSERT_EQ(Layer(m, "CHECK").polylines.size(), 1u);
  const Polyline& square = Layer(m, "CHECK").polylines[0];
  ASSERT_EQ(square.points.size(), 4u);
  EXPECT_TRUE(square.closed);
  EXPECT_NEAR(square.points[1].x - square.points[0].x, 10.0, 1e-12);
  EXPECT_NEAR(square.points[1].y - square.points[2].y, 10.0, 1e-12);
  EXPECT_LT(square.points[0].y, m.drawing.minY);
  EXPECT_DOUBLE_EQ(m.toleranceUnits, 0.001);
  EXPECT_DOUBLE_EQ(m.strokeUnits, 0.01);
  EXPECT_TRUE(m.titleLines.join('\n').contains(QStringLiteral("Untitled")));
  EXPECT_TRUE(m.titleLines.contains(QStringLiteral("Unit: cm")));
  EXPECT_TRUE(m.titleLines.contains(QStringLiteral("Length 49 cm")));
  EXPECT_TRUE(m.titleLines.contains(QStringLiteral("a3 0, a4 -0.25, a5 0, a6 -0.5")));
  const Bounds all = m.ShownBounds();
  ASSERT_EQ(Layer(m, "TITLE").texts.size(), static_cast<std::size_t>(m.titleLines.size()));
  for (const TextLine& t : Layer(m, "TITLE").texts) {
    EXPECT_GE(t.baselineLeft.y, all.minY);
    EXPECT_LE(t.baselineLeft.x, all.maxX);
  }
}

TEST_F(ExportModelTest, InchesChangeTheSquareTheToleranceAndTheTextSize) {
  ExportContent content;
  content.unit = ExportUnit::In;
  const Result<BuiltModel> r = Build(content);
  ASSERT_TRUE(r.ok()) << r.error().message;
  const Polyline& square = Layer(r->model, "CHECK").polylines.at(0);
  EXPECT_NEAR(square.points[1].x - square.points[0].x, 4.0, 1e-12);
  EXPECT_DOUBLE_EQ(r->model.toleranceUnits, 0.01 / 25.4);
  EXPECT_DOUBLE_EQ(r->model.textHeight, 5.0 / 25.4);
  EXPECT_TRUE(r->model.titleLines.contains(QStringLiteral("Unit: in")));
}

TEST_F(ExportModelTest, HalfOutlineLiesAboveTheCentrelineWhichItsClosingEdgeMarks) {
  AddSoundhole(doc);
  ExportContent content;
  content.extent = OutlineExtent::Half;
  content.offsets = {{"MOULD", 20.0}};
  const Result<BuiltModel> r = Build(content);
  ASSERT_TRUE(r.ok()) << r.error().message;
  const Bounds outline = LayerBounds(Layer(r->model, "OUTLINE"), r->model.textHeight);
  EXPECT_NEAR(outline.minY, 0.0, 1e-9);
  EXPECT_NEAR(outline.maxY, 18.5, 1e-9);
  // Nothing is drawn along the centreline but the closing edges: no centreline, no arm of the cross.
  EXPECT_TRUE(Layer(r->model, "CENTRELINE").segments.empty());
  for (const Segment& s : AllLines(r->model))
    EXPECT_FALSE(s.a.y == 0.0 && s.b.y == 0.0) << s.a.x << " " << s.b.x;
  ASSERT_EQ(Layer(r->model, "SOUNDHOLE").segments.size(), 1u);
  // The mould's closing edge runs along the centreline 2 cm beyond both ends of the body.
  const Bounds mould = LayerBounds(Layer(r->model, "MOULD"), r->model.textHeight);
  EXPECT_NEAR(mould.minX, -2.0, 1e-9);
  EXPECT_NEAR(mould.maxX, 51.0, 1e-9);
  EXPECT_EQ(mould.minY, 0.0);
}

TEST_F(ExportModelTest, StationsCrossTheBodyAtTheBoutsAndTheWaist) {
  // The fit makes the outline's half-width at its bout and waist angles the design's measurements.
  struct Station {
    ExportContent content;
    double from;  // where a station line starts, as a share of the half-width
  };
  ExportContent half;
  half.extent = OutlineExtent::Half;
  for (const Station& st : {Station{ExportContent{}, -1.0}, Station{half, 0.0}}) {
    const Result<BuiltModel> r = Build(st.content);
    ASSERT_TRUE(r.ok()) << r.error().message;
    const DrawingLayer& stations = Layer(r->model, "STATIONS");
    ASSERT_EQ(stations.segments.size(), 3u);
    const double halfWidths[] = {18.5, 12.0, 14.0};  // lower bout, waist, upper bout
    for (int i = 0; i < 3; ++i) {
      const Segment& s = stations.segments[i];
      EXPECT_EQ(s.a.x, s.b.x);
      EXPECT_NEAR(s.b.y, halfWidths[i], 1e-9) << i;
      EXPECT_NEAR(s.a.y, st.from * halfWidths[i], 1e-9) << i;
    }
    // The lower bout lies towards the tail, the upper bout towards the neck.
    EXPECT_GT(stations.segments[0].a.x, stations.segments[1].a.x);
    EXPECT_GT(stations.segments[1].a.x, stations.segments[2].a.x);
    ASSERT_EQ(stations.texts.size(), 3u);
    EXPECT_EQ(stations.texts[1].text, QStringLiteral("waist"));
    EXPECT_GT(stations.texts[1].baselineLeft.y, 12.0);
  }
}

TEST_F(ExportModelTest, OffsetsGetLayersOfTheirOwnNameAfterTheOutline) {
  ExportContent content;
  content.offsets = {{"MOULD", 25.0}, {"sides", -2.2}, {"Binding-1", -6.5}};
  const Result<BuiltModel> r = Build(content);
  ASSERT_TRUE(r.ok()) << r.error().message;
  ASSERT_GE(r->model.layers.size(), 4u);
  EXPECT_EQ(r->model.layers[1].name, QStringLiteral("MOULD"));
  EXPECT_EQ(r->model.layers[2].name, QStringLiteral("sides"));
  EXPECT_EQ(r->model.layers[3].name, QStringLiteral("Binding-1"));
  const Bounds mould = LayerBounds(r->model.layers[1], r->model.textHeight);
  EXPECT_NEAR(mould.maxX, 49.0 + 2.5, 1e-9);  // the tail end moves straight out
  EXPECT_NEAR(mould.minX, -2.5, 1e-9);
  const Bounds sides = LayerBounds(r->model.layers[2], r->model.textHeight);
  EXPECT_NEAR(sides.maxY, 18.5 - 0.22, 1e-9);  // at the lower bout the normal points straight across
  EXPECT_EQ(r->model.layers[2].part, Part::Offsets);
  EXPECT_TRUE(r->model.layers[2].polylines.at(0).closed);
}

TEST_F(ExportModelTest, OffsetsThatCannotBeDrawnAreRefusedWithTheReason) {
  struct Bad {
    std::vector<OffsetRequest> offsets;
    const char* why;
  };
  const Bad bad[] = {
      {{{"MOULD", 20.0}, {"mould", 30.0}}, "two offsets are named 'mould'"},
      {{{"outline", 20.0}}, "is a layer of the template already"},
      {{{"0", 20.0}}, "is a layer of the template already"},
      {{{"MY MOULD", 20.0}}, "letters, digits"},
      {{{"", 20.0}}, "letters, digits"},
      {{{"M", NAN}}, "from -1000 to 1000"},
      {{{"M", -INFINITY}}, "from -1000 to 1000"},
      {{{"M", 1000.5}}, "from -1000 to 1000"},
      {{{"M", 0.0}}, "the outline itself"},
      {{{"M", -300.0}}, "smallest radius of curvature on a convex stretch"},
      {{{"M", 300.0}}, "smallest radius of curvature on the concave waist"},
  };
  for (const Bad& b : bad) {
    ExportContent content;
    content.offsets = b.offsets;
    const Result<BuiltModel> r = Build(content);
    EXPECT_EQ(KindOf(r), ErrorKind::Refused) << b.why;
    EXPECT_TRUE(MessageOf(r).contains(QLatin1String(b.why))) << MessageOf(r).toStdString();
  }
}

TEST_F(ExportModelTest, SoundholeCircleAndCrossWhenTheDesignHasOne) {
  AddSoundhole(doc);
  Result<BuiltModel> r = Build();
  ASSERT_TRUE(r.ok()) << r.error().message;
  const DrawingLayer& hole = Layer(r->model, "SOUNDHOLE");
  ASSERT_EQ(hole.circles.size(), 1u);
  EXPECT_EQ(hole.circles[0].centre.x, 14.0);
  EXPECT_EQ(hole.circles[0].centre.y, 0.0);
  EXPECT_EQ(hole.circles[0].radius, 4.4);
  ASSERT_EQ(hole.segments.size(), 2u);
  for (const Segment& s : hole.segments) EXPECT_NEAR(Length(s), 0.88, 1e-12);

  ExportContent without;
  without.soundhole = false;
  r = Build(without);
  EXPECT_TRUE(Layer(r->model, "SOUNDHOLE").circles.empty());
  EXPECT_TRUE(Layer(r->model, "SOUNDHOLE").segments.empty());
}

TEST_F(ExportModelTest, FingerboardLinesFromTheSharedFretPositions) {
  AddSoundhole(doc);
  doc.m_holePosition = 12.0;
  ExportContent content;
  content.fingerboard = true;
  const Result<BuiltModel> r = Build(content);
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_TRUE(r->notes.isEmpty());
  EXPECT_EQ(Layer(r->model, "FRETS").segments.size(), 7u + 3u);  // frets 13 to 19, the saddle line, two edges
}

TEST_F(ExportModelTest, FingerboardLeftOutWithANote) {
  ExportContent content;
  content.fingerboard = true;
  Result<BuiltModel> r = Build(content);  // no soundhole and fingerboard data
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_TRUE(Layer(r->model, "FRETS").segments.empty());
  EXPECT_EQ(r->notes.size(), 1);

  AddSoundhole(doc);
  doc.m_jointFret = 0;
  r = Build(content);
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_TRUE(Layer(r->model, "FRETS").segments.empty());
  ASSERT_EQ(r->notes.size(), 1);
  EXPECT_TRUE(r->notes[0].contains(QStringLiteral("joint fret")));
}

TEST_F(ExportModelTest, NoZeroLengthOrRepeatedLines) {
  // A fingerboard of no width: every fret and the saddle shrink to points and both edges fall on
  // the centreline.
  AddSoundhole(doc);
  doc.m_nutWidth = 0.0;
  doc.m_fret12Width = 0.0;
  doc.m_holeDiameter = 1e-9;  // a hole and cross too small to keep
  ExportContent content;
  content.fingerboard = true;
  const Result<BuiltModel> r = Build(content);
  ASSERT_TRUE(r.ok()) << r.error().message;
  const std::vector<Segment> lines = AllLines(r->model);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_GT(Length(lines[i]), 1e-7);
    for (std::size_t k = 0; k < i; ++k) {
      const bool same = (std::hypot(lines[i].a.x - lines[k].a.x, lines[i].a.y - lines[k].a.y) < 1e-9 &&
                         std::hypot(lines[i].b.x - lines[k].b.x, lines[i].b.y - lines[k].b.y) < 1e-9) ||
                        (std::hypot(lines[i].a.x - lines[k].b.x, lines[i].a.y - lines[k].b.y) < 1e-9 &&
                         std::hypot(lines[i].b.x - lines[k].a.x, lines[i].b.y - lines[k].a.y) < 1e-9);
      EXPECT_FALSE(same) << "lines " << k << " and " << i;
    }
  }
  // Of the fingerboard only one edge is left: the other is the same line.
  EXPECT_EQ(Layer(r->model, "FRETS").segments.size(), 1u);
  EXPECT_TRUE(Layer(r->model, "SOUNDHOLE").circles.empty());
  EXPECT_TRUE(Layer(r->model, "SOUNDHOLE").segments.empty());
}

TEST_F(ExportModelTest, DesignThatDoesNotFitSaysWhy) {
  doc.m_lowerBout = doc.m_waist = doc.m_upperBout = 0.0;
  doc.OnInToCm();  // refits
  ASSERT_EQ(doc.m_fitValid, 0);
  const Result<BuiltModel> r = Build();
  EXPECT_EQ(KindOf(r), ErrorKind::FitFailed);
  EXPECT_EQ(MessageOf(r), QStringLiteral("the design does not fit: Matrix error"));
}

TEST_F(ExportModelTest, AbsurdAndNonFiniteSizesAreRefused) {
  doc.m_length *= 1e6;
  doc.m_lowerBout *= 1e6;
  doc.m_waist *= 1e6;
  doc.m_upperBout *= 1e6;
  doc.m_a4 *= 1e6;
  doc.m_a6 *= 1e6;
  doc.OnInToCm();
  ASSERT_EQ(doc.m_fitValid, 1);
  Result<BuiltModel> r = Build();
  EXPECT_EQ(KindOf(r), ErrorKind::Refused);
  EXPECT_TRUE(MessageOf(r).contains(QStringLiteral("100 m"))) << MessageOf(r).toStdString();

  ASSERT_TRUE(doc.OnNewDocument());
  AddSoundhole(doc);
  doc.m_holeDiameter = NAN;
  r = Build();
  EXPECT_EQ(KindOf(r), ErrorKind::Refused);
  doc.m_holeDiameter = 8.8;
  doc.m_holePosition = INFINITY;
  EXPECT_EQ(KindOf(Build()), ErrorKind::Refused);
  ExportContent without;
  without.soundhole = false;
  EXPECT_TRUE(Build(without).ok());
}
