// The export model built from documents: what each layer holds, the unit's sizes, what is left out
// and why, and the designs that are refused.
#include <gtest/gtest.h>

#include <cmath>

#include "document/veskdoc.h"
#include "export/export_model.h"
#include "export_test_support.h"

namespace {

class ExportModelTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(doc.OnNewDocument()); }

  BuildResult Build(ExportContent content = {}) {
    if (content.fileName.isEmpty()) content.fileName = QStringLiteral("Untitled");
    return BuildExportModel(doc, content);
  }

  CVeskDoc doc;
};

double Length(const Segment& s) { return std::hypot(s.b.x - s.a.x, s.b.y - s.a.y); }

std::vector<Segment> AllLines(const ExportModel& m) {
  std::vector<Segment> all = m.centreline;
  all.insert(all.end(), m.soundholeCross.begin(), m.soundholeCross.end());
  all.insert(all.end(), m.frets.begin(), m.frets.end());
  return all;
}

}  // namespace

TEST_F(ExportModelTest, NewDesignHasOutlineCentrelineCheckSquareAndTitle) {
  const BuildResult r = Build();
  ASSERT_EQ(r.status, BuildStatus::Ok) << r.message.toStdString();
  const ExportModel& m = r.model;
  EXPECT_TRUE(m.outline.closed);
  EXPECT_NEAR(m.drawing.minX, 0.0, 1e-9);
  EXPECT_NEAR(m.drawing.maxX, 49.0, 1e-9);
  EXPECT_NEAR(m.drawing.minY, -18.5, 1e-9);
  EXPECT_NEAR(m.drawing.maxY, 18.5, 1e-9);
  ASSERT_EQ(m.centreline.size(), 1u);
  EXPECT_NEAR(Length(m.centreline[0]), 49.0, 1e-9);
  EXPECT_FALSE(m.soundhole);  // a new design has no soundhole data
  EXPECT_TRUE(m.frets.empty());

  // A 10 cm square below the drawing, and the title block, inside the overall bounds.
  ASSERT_EQ(m.checkSquare.points.size(), 4u);
  EXPECT_TRUE(m.checkSquare.closed);
  EXPECT_NEAR(m.checkSquare.points[1].x - m.checkSquare.points[0].x, 10.0, 1e-12);
  EXPECT_NEAR(m.checkSquare.points[1].y - m.checkSquare.points[2].y, 10.0, 1e-12);
  EXPECT_LT(m.checkSquare.points[0].y, m.drawing.minY);
  EXPECT_DOUBLE_EQ(m.toleranceUnits, 0.001);
  EXPECT_DOUBLE_EQ(m.strokeUnits, 0.01);
  EXPECT_TRUE(m.titleLines.join('\n').contains(QStringLiteral("Untitled")));
  EXPECT_TRUE(m.titleLines.contains(QStringLiteral("Unit: cm")));
  EXPECT_TRUE(m.titleLines.contains(QStringLiteral("Length 49 cm")));
  EXPECT_TRUE(m.titleLines.contains(QStringLiteral("a3 0, a4 -0.25, a5 0, a6 -0.5")));
  for (const TextLine& t : m.title) {
    EXPECT_GE(t.baselineLeft.y, m.all.minY);
    EXPECT_LE(t.baselineLeft.x, m.all.maxX);
  }
}

TEST_F(ExportModelTest, InchesChangeTheSquareTheToleranceAndTheTextSize) {
  ExportContent content;
  content.unit = ExportUnit::In;
  const BuildResult r = Build(content);
  ASSERT_EQ(r.status, BuildStatus::Ok);
  EXPECT_NEAR(r.model.checkSquare.points[1].x - r.model.checkSquare.points[0].x, 4.0, 1e-12);
  EXPECT_DOUBLE_EQ(r.model.toleranceUnits, 0.01 / 25.4);
  EXPECT_DOUBLE_EQ(r.model.textHeight, 5.0 / 25.4);
  EXPECT_TRUE(r.model.titleLines.contains(QStringLiteral("Unit: in")));
}

TEST_F(ExportModelTest, HalfOutlineLiesAboveTheCentreline) {
  ExportContent content;
  content.extent = OutlineExtent::Half;
  const BuildResult r = Build(content);
  ASSERT_EQ(r.status, BuildStatus::Ok);
  EXPECT_NEAR(r.model.drawing.minY, 0.0, 1e-9);
  EXPECT_NEAR(r.model.drawing.maxY, 18.5, 1e-9);
  EXPECT_EQ(r.model.centreline.size(), 1u);
}

TEST_F(ExportModelTest, SoundholeCircleAndCrossWhenTheDesignHasOne) {
  AddSoundhole(doc);
  BuildResult r = Build();
  ASSERT_EQ(r.status, BuildStatus::Ok);
  ASSERT_TRUE(r.model.soundhole);
  EXPECT_EQ(r.model.soundhole->centre.x, 14.0);
  EXPECT_EQ(r.model.soundhole->centre.y, 0.0);
  EXPECT_EQ(r.model.soundhole->radius, 4.4);
  ASSERT_EQ(r.model.soundholeCross.size(), 2u);
  for (const Segment& s : r.model.soundholeCross) EXPECT_NEAR(Length(s), 0.88, 1e-12);

  ExportContent without;
  without.soundhole = false;
  r = Build(without);
  EXPECT_FALSE(r.model.soundhole);
  EXPECT_TRUE(r.model.soundholeCross.empty());
}

TEST_F(ExportModelTest, FingerboardLinesFromTheSharedFretPositions) {
  AddSoundhole(doc);
  doc.m_holePosition = 12.0;
  ExportContent content;
  content.fingerboard = true;
  const BuildResult r = Build(content);
  ASSERT_EQ(r.status, BuildStatus::Ok);
  EXPECT_TRUE(r.notes.isEmpty());
  EXPECT_EQ(r.model.frets.size(), 7u + 3u);  // frets 13 to 19, the saddle line, two edges
}

TEST_F(ExportModelTest, FingerboardLeftOutWithANote) {
  ExportContent content;
  content.fingerboard = true;
  BuildResult r = Build(content);  // no soundhole and fingerboard data
  ASSERT_EQ(r.status, BuildStatus::Ok);
  EXPECT_TRUE(r.model.frets.empty());
  EXPECT_EQ(r.notes.size(), 1);

  AddSoundhole(doc);
  doc.m_jointFret = 0;
  r = Build(content);
  ASSERT_EQ(r.status, BuildStatus::Ok);
  EXPECT_TRUE(r.model.frets.empty());
  ASSERT_EQ(r.notes.size(), 1);
  EXPECT_TRUE(r.notes[0].contains(QStringLiteral("joint fret")));
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
  const BuildResult r = Build(content);
  ASSERT_EQ(r.status, BuildStatus::Ok);
  const std::vector<Segment> lines = AllLines(r.model);
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
  EXPECT_EQ(r.model.frets.size(), 1u);
  EXPECT_FALSE(r.model.soundhole);
  EXPECT_TRUE(r.model.soundholeCross.empty());
}

TEST_F(ExportModelTest, DesignThatDoesNotFitSaysWhy) {
  doc.m_lowerBout = doc.m_waist = doc.m_upperBout = 0.0;
  doc.OnInToCm();  // refits
  ASSERT_EQ(doc.m_fitValid, 0);
  const BuildResult r = Build();
  EXPECT_EQ(r.status, BuildStatus::FitFailed);
  EXPECT_EQ(r.message, QStringLiteral("the design does not fit: Matrix error"));
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
  BuildResult r = Build();
  EXPECT_EQ(r.status, BuildStatus::Refused);
  EXPECT_TRUE(r.message.contains(QStringLiteral("100 m"))) << r.message.toStdString();

  ASSERT_TRUE(doc.OnNewDocument());
  AddSoundhole(doc);
  doc.m_holeDiameter = NAN;
  r = Build();
  EXPECT_EQ(r.status, BuildStatus::Refused);
  doc.m_holeDiameter = 8.8;
  doc.m_holePosition = INFINITY;
  EXPECT_EQ(Build().status, BuildStatus::Refused);
  ExportContent without;
  without.soundhole = false;
  EXPECT_EQ(Build(without).status, BuildStatus::Ok);
}
