// Templates read back by the programs luthiers cut and draw with: FreeCAD (DXF R12 and R2000, SVG),
// dxf2gcode (its importer, and its G-code), LibreCAD's dxf2pdf, Inkscape's DXF importer and ezdxf.
// Each must see the outline and every offset at true size in millimetres, and where it can be asked
// for the geometry, within 0.01 mm of the exact curve both ways with the arcs the file holds; a
// reader that is not installed fails the test. Expected sizes come from the design's measurements
// and the offsets' distances.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "document/veskdoc.h"
#include "export_test_support.h"
#include "geometry/shape_state.h"

namespace {

QString Num(double v) {
  return QString::number(v, 'g', 17);
}

class ExportReadersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SaveDesign(design, [](CVeskDoc& d) {
      AddSoundhole(d);
      d.m_holePosition = 12.0;
    });
    SaveDesign(inches, [](CVeskDoc& d) { d.OnCmToIn(); });
  }

  // Writes the template and returns its path; the export must succeed.
  QString Export(const QString& name, const QStringList& args) {
    const QString out = dir.filePath(name);
    const ProcessResult e = RunCli(QStringList{"export"} + args + QStringList{"-o", out});
    EXPECT_EQ(e.exitCode, 0) << name.toStdString() << ": " << e.err.toStdString();
    return out;
  }

  void ExpectScriptPasses(const QString& script, const QStringList& args) {
    const ProcessResult c = RunScript(script, args);
    EXPECT_EQ(c.exitCode, 0) << script.toStdString() << "\n" << c.out.toStdString() << c.err.toStdString();
  }

  // The fitted coefficients a0..a6 and the vertical scale of the design, for checks on the curve.
  QStringList Curve(const QString& path) {
    CVeskDoc doc;
    doc.OnNewDocument();
    QString error;
    EXPECT_TRUE(doc.OnOpenDocument(path, &error)) << error.toStdString();
    QStringList out{"--curve"};
    for (double a : g_shapeState.coeff) out << Num(a);
    return out << Num(g_shapeState.verticalScale);
  }

  QTemporaryDir dir;
  const QString design = dir.filePath("hole.vesk");
  const QString inches = dir.filePath("inches.vesk");
  const QStringList offsets{"--offset", "MOULD=20", "--offset", "SIDES=-2.2", "--offset", "BINDING=-6.5"};
};

// Extents (mm) of the default body (490 x 370) and its offsets, whole or half.
QStringList Box(const QString& file, const char* layer, double d, bool half) {
  return {"--expect", file, layer, Num(-d), Num(half ? 0.0 : -185.0 - d), Num(490.0 + d), Num(185.0 + d)};
}

}  // namespace

TEST_F(ExportReadersTest, EzdxfFindsOutlineAndOffsetsWithinTheToleranceOfTheCurve) {
  struct Case {
    const char* file;
    QString design;
    QStringList args;
    QStringList check;
  };
  const QStringList arcs{"--arcs", "--max-vertices", "80"};
  const QStringList cm{"--unit", "cm", "--length", "49", "--half-width", "18.5", "--hole", "12", "4.4"};
  const QStringList in{"--unit", "in", "--length", Num(49 / 2.54), "--half-width", Num(18.5 / 2.54)};
  const Case cases[] = {
      {"whole12.dxf", design, offsets, QStringList{"--version", "AC1009"} + cm + arcs},
      {"half2000.dxf", design, offsets + QStringList{"--half", "--dxf-version", "2000"},
       QStringList{"--version", "AC1015", "--half"} + cm + arcs},
      {"segments2000.dxf", design, offsets + QStringList{"--dxf-version", "2000", "--dxf-curves", "segments"},
       QStringList{"--version", "AC1015"} + cm},
      {"inches.dxf", inches, offsets + QStringList{"--unit", "in", "--no-soundhole"},
       QStringList{"--version", "AC1009"} + in + arcs},
  };
  for (const Case& c : cases) {
    const QString file = Export(c.file, QStringList{c.design} + c.args);
    ExpectScriptPasses("check_dxf.py", QStringList{file} + c.check + Curve(c.design) +
                                           QStringList{"--offset", "MOULD", "20", "--offset", "SIDES", "-2.2",
                                                       "--offset", "BINDING", "-6.5"});
  }
}

TEST_F(ExportReadersTest, PartsOutlineLeavesACamProgramNothingToDelete) {
  const QString file = Export("cut.dxf", {design, "--parts", "outline", "--dxf-version", "2000"});
  ExpectScriptPasses("check_dxf.py", {file, "--version", "AC1015", "--unit", "cm", "--length", "49",
                                      "--half-width", "18.5", "--parts", "outline"});
}

TEST_F(ExportReadersTest, FreeCadImportsOutlineAndOffsetsAsClosedWiresAtTrueSize) {
  QStringList expect;
  struct File {
    const char* name;
    QStringList args;
    bool half;
  };
  const File files[] = {
      {"fc12.dxf", {}, false},
      {"fc2000.dxf", {"--dxf-version", "2000"}, false},
      {"fchalf.dxf", {"--dxf-version", "2000", "--half"}, true},
      {"fchalf12.dxf", {"--half"}, true},
      {"fc.svg", {}, false},
      {"fchalf.svg", {"--half"}, true},
  };
  // The whole templates' curves, as FreeCAD has them, against the exact curve: circular arcs in a DXF.
  QStringList near = Curve(design) + QStringList{"--unit", "cm", "--arcs"};
  for (const File& f : files) {
    const QString path = Export(f.name, QStringList{design} + offsets + f.args);
    expect << Box(path, "OUTLINE", 0.0, f.half) << Box(path, "MOULD", 20.0, f.half)
           << Box(path, "SIDES", -2.2, f.half) << Box(path, "BINDING", -6.5, f.half);
    if (!f.half)
      near << QStringList{"--near", path, "OUTLINE", "0", "--near", path, "MOULD", "20"}
           << QStringList{"--near", path, "BINDING", "-6.5"};
  }
  // An inch design still comes out in millimetres.
  const QString inch = Export("fcinch.dxf", {inches, "--unit", "in"});
  expect << Box(inch, "OUTLINE", 0.0, false);
  ExpectScriptPasses("check_freecad.py", expect + near);
}

TEST_F(ExportReadersTest, Dxf2gcodeReadsMillimetresAndInchesAsTheyAre) {
  const QString mm = Export("cam.dxf", QStringList{design} + offsets);
  ExpectScriptPasses("check_dxf2gcode.py",
                     {mm,    "--metric", "1",        "--expect", "OUTLINE", "1",      "0",     "-185",
                      "490", "185",      "--expect", "MOULD",    "1",       "-20",    "-205",  "510",
                      "205", "--expect", "BINDING",  "1",        "6.5",     "-178.5", "483.5", "178.5"});
  const QString in =
      Export("cam-in.dxf", {inches, "--unit", "in", "--dxf-unit", "in", "--dxf-version", "2000"});
  ExpectScriptPasses("check_dxf2gcode.py",
                     {in, "--metric", "0", "--tol", Num(0.01 / 25.4), "--expect", "OUTLINE", "1", "0",
                      Num(-185 / 25.4), Num(490 / 25.4), Num(185 / 25.4)});
}

TEST_F(ExportReadersTest, Dxf2gcodeCutsTheOutlineInFewArcMoves) {
  const QString cut = Export("cut-arcs.dxf", {design, "--parts", "outline"});
  ExpectScriptPasses("check_dxf2gcode.py", {cut, "--metric", "1", "--expect", "OUTLINE", "1", "0", "-185",
                                            "490", "185", "--gcode", "200"});
}

TEST_F(ExportReadersTest, LibreCadPrintsTheDefaultDxfAtTrueSizeItsArcsWhereTheSegmentsAre) {
  const QString segments =
      Export("print-segments.dxf", {design, "--parts", "outline", "--dxf-curves", "segments"});
  for (const char* version : {"12", "2000"}) {
    const QString file = Export(QStringLiteral("print%1.dxf").arg(version),
                                {design, "--parts", "outline", "--dxf-version", version});
    ExpectScriptPasses("check_librecad.py",
                       {file, "--width-mm", "490", "--height-mm", "370", "--same-as", segments});
  }
}

TEST_F(ExportReadersTest, InkscapeImportsTheDefaultDxfAtTrueSize) {
  for (const char* version : {"12", "2000"}) {
    const QString file = Export(QStringLiteral("ink%1.dxf").arg(version),
                                QStringList{design, "--dxf-version", version} + offsets);
    ExpectScriptPasses(
        "check_inkscape_dxf.py",
        QStringList{file,      "--expect", "OUTLINE", "490",   "370", "--expect", "MOULD",   "530",
                    "410",     "--expect", "BINDING", "477",   "357", "--unit",   "cm",      "--near",
                    "OUTLINE", "0",        "--near",  "MOULD", "20",  "--near",   "BINDING", "-6.5"} +
            Curve(design));
  }
}
