// The layered drawing model on its own: a model that is not a body (a board with a nut and slots)
// goes through the same writers, each layer under its own name, and the chosen parts decide what
// is drawn and how large the drawing is.
#include <gtest/gtest.h>

#include <QString>

#include "common/result_checks.h"
#include "export/dxf_writer.h"
#include "export/export_model.h"
#include "export/svg_writer.h"
#include "export/template_output.h"

namespace {

DxfOptions R2000Mm() {
  DxfOptions options;
  options.version = DxfVersion::R2000;
  return options;
}

// A 40 x 5 cm board with a nut line, two slots and a label; then check square and title block.
ExportModel BoardModel() {
  ExportModel m = NewExportModel(ExportUnit::Cm);
  Polyline board;
  board.closed = true;
  board.points = {{0, -2.5}, {40, -2.5}, {40, 2.5}, {0, 2.5}};
  m.AddLayer("BOARD", Part::Outline).polylines.push_back(board);
  m.AddLayer("NUT", Part::Frets).segments.push_back(Segment{{1, -2.5}, {1, 2.5}});
  DrawingLayer& slotLayer = m.AddLayer("SLOTS", Part::Frets);
  slotLayer.segments = {Segment{{5, -2.5}, {5, 2.5}}, Segment{{9, -2.5}, {9, 2.5}}};
  slotLayer.texts.push_back(TextLine{{5, 3}, "1", 0.4});
  FinishExportModel(m, {"board", "second line"});
  return m;
}

}  // namespace

TEST(DrawingModelTest, LayersKeepTheirOrderNamesAndPartStyles) {
  const ExportModel m = BoardModel();
  ASSERT_EQ(m.layers.size(), 5u);
  EXPECT_EQ(m.layers[3].name, QStringLiteral("CHECK"));
  EXPECT_EQ(m.layers[4].name, QStringLiteral("TITLE"));
  EXPECT_EQ(m.Find("NUT")->style.aci, DefaultStyle(Part::Frets).aci);
  EXPECT_EQ(m.Find("MISSING"), nullptr);
  // The drawing is the board and the label, not the furniture below it.
  EXPECT_DOUBLE_EQ(m.drawing.minX, 0.0);
  EXPECT_DOUBLE_EQ(m.drawing.maxX, 40.0);
  EXPECT_DOUBLE_EQ(m.drawing.minY, -2.5);
  EXPECT_DOUBLE_EQ(m.drawing.maxY, 3.4);  // label baseline 3 + its height 0.4
  // The 10 cm square starts 1 cm below the drawing at its left edge.
  const Polyline& square = m.Find("CHECK")->polylines.at(0);
  EXPECT_DOUBLE_EQ(square.points[0].y, -3.5);
  EXPECT_DOUBLE_EQ(square.points[2].y, -13.5);
  EXPECT_EQ(m.Find("TITLE")->texts.size(), 2u);
}

TEST(DrawingModelTest, ChosenPartsDecideWhatIsDrawnAndTheExtents) {
  ExportModel m = BoardModel();
  EXPECT_LT(m.ShownBounds().minY, -13.5 + 1e-12);
  m.parts = PartSet::None();
  m.parts.Add(Part::Outline);
  const Bounds shown = m.ShownBounds();
  EXPECT_DOUBLE_EQ(shown.minY, -2.5);
  EXPECT_DOUBLE_EQ(shown.maxY, 2.5);
  EXPECT_DOUBLE_EQ(m.drawing.maxY, 3.4);  // the layout frame stays as it was

  const QByteArray svg = WriteSvg(m).value();
  EXPECT_TRUE(svg.contains("id=\"BOARD\""));
  EXPECT_FALSE(svg.contains("id=\"NUT\""));
  EXPECT_FALSE(svg.contains("id=\"TITLE\""));
  const Result<QByteArray> dxf = WriteDxf(m, DxfOptions{});
  ASSERT_TRUE(dxf.ok()) << dxf.error().message;
  EXPECT_TRUE(dxf->contains("\nBOARD\n"));
  EXPECT_FALSE(dxf->contains("\nSLOTS\n"));
  EXPECT_FALSE(dxf->contains("\nCHECK\n"));
}

TEST(DrawingModelTest, EveryLayerOfEveryPartReachesTheSvgAndTheDxf) {
  const ExportModel m = BoardModel();
  const QByteArray svg = WriteSvg(m).value();
  const QByteArray dxf = WriteDxf(m, R2000Mm()).value();
  for (const char* name : {"BOARD", "NUT", "SLOTS", "CHECK", "TITLE"}) {
    EXPECT_TRUE(svg.contains(QByteArray("id=\"") + name + "\"")) << name;
    EXPECT_TRUE(dxf.contains(QByteArray("\n") + name + "\n")) << name;
  }
  // The label's own height, in a layer that is otherwise stroked.
  EXPECT_TRUE(svg.contains("font-size=\"0.4\""));
}

TEST(DrawingModelTest, PartNamesReadBack) {
  for (Part part : kAllParts) {
    Part read = Part::Title == part ? Part::Outline : Part::Title;
    ASSERT_TRUE(ParsePart(PartName(part), &read)) << PartName(part).toStdString();
    EXPECT_EQ(read, part);
  }
  Part untouched = Part::Frets;
  EXPECT_FALSE(ParsePart("OUTLINE", &untouched));
  EXPECT_FALSE(ParsePart("", &untouched));
  EXPECT_EQ(untouched, Part::Frets);
}

TEST(DrawingModelTest, AnyModelRendersInEveryFormat) {
  ExportModel m = BoardModel();
  struct Row {
    TemplateFormat format;
    const char* starts;
    const char* summary;
  };
  for (const Row& row :
       {Row{TemplateFormat::Svg, "<?xml", "SVG"}, Row{TemplateFormat::Dxf, "999", "DXF R12 in mm"},
        Row{TemplateFormat::Pdf, "%PDF", "landscape (1 x 2 tiles and a title page)"}}) {
    TemplateOutput out;
    out.format = row.format;
    const Result<RenderedTemplate> r = RenderTemplate(m, out);
    ASSERT_TRUE(r.ok()) << row.summary << ": " << r.error().message;
    EXPECT_TRUE(r->bytes.startsWith(row.starts)) << row.summary;
    EXPECT_TRUE(r->summary.contains(QLatin1String(row.summary))) << r->summary.toStdString();
  }
  // A board 1 km long would need more pages than a template may have: refused, not a write error.
  m.drawing.maxX = 100000.0;
  TemplateOutput pdf;
  pdf.format = TemplateFormat::Pdf;
  const Result<RenderedTemplate> huge = RenderTemplate(m, pdf);
  EXPECT_EQ(KindOf(huge), ErrorKind::Refused);
  EXPECT_TRUE(MessageOf(huge).contains(QLatin1String("pages"))) << MessageOf(huge).toStdString();
}

TEST(DrawingModelTest, FormatNamesInAnyCase) {
  TemplateFormat f = TemplateFormat::Svg;
  EXPECT_TRUE(ParseTemplateFormat("PDF", &f));
  EXPECT_EQ(f, TemplateFormat::Pdf);
  EXPECT_TRUE(ParseTemplateFormat("dxf", &f));
  EXPECT_EQ(f, TemplateFormat::Dxf);
  EXPECT_FALSE(ParseTemplateFormat("png", &f));
  EXPECT_FALSE(ParseTemplateFormat("", &f));
  EXPECT_EQ(f, TemplateFormat::Dxf);
}
