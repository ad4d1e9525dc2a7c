// Templates read back by the programs luthiers cut and draw with: FreeCAD (DXF R12 and R2000, SVG),
// dxf2gcode's importer, LibreCAD's dxf2pdf, Inkscape's DXF importer and ezdxf. Each must see the
// outline and every offset at true size in millimetres; a reader that is not installed fails the
// test. Expected sizes come from the design's measurements and the offsets' distances.
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

TEST_F(ExportReadersTest, EzdxfFindsEachOffsetAtItsDistanceFromTheCurve) {
  const QStringList curve = Curve(design);
  struct Case {
    const char* file;
    QStringList args;
    QStringList check;
  };
  const Case cases[] = {
      {"whole12.dxf", offsets, {"--version", "AC1009"}},
      {"half2000.dxf",
       offsets + QStringList{"--half", "--dxf-version", "2000"},
       {"--version", "AC1015", "--half"}},
  };
  for (const Case& c : cases) {
    const QString file = Export(c.file, QStringList{design} + c.args);
    ExpectScriptPasses("check_dxf.py", QStringList{file, "--unit", "cm", "--length", "49", "--half-width",
                                                   "18.5", "--hole", "12", "4.4"} +
                                           c.check + curve +
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
  for (const File& f : files) {
    const QString path = Export(f.name, QStringList{design} + offsets + f.args);
    expect << Box(path, "OUTLINE", 0.0, f.half) << Box(path, "MOULD", 20.0, f.half)
           << Box(path, "SIDES", -2.2, f.half) << Box(path, "BINDING", -6.5, f.half);
  }
  // An inch design still comes out in millimetres.
  const QString inch = Export("fcinch.dxf", {inches, "--unit", "in"});
  expect << Box(inch, "OUTLINE", 0.0, false);
  ExpectScriptPasses("check_freecad.py", expect);
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

TEST_F(ExportReadersTest, LibreCadPrintsTheDefaultDxfAtTrueSize) {
  for (const char* version : {"12", "2000"}) {
    const QString file = Export(QStringLiteral("print%1.dxf").arg(version),
                                {design, "--parts", "outline", "--dxf-version", version});
    ExpectScriptPasses("check_librecad.py", {file, "--width-mm", "490", "--height-mm", "370"});
  }
}

TEST_F(ExportReadersTest, InkscapeImportsTheDefaultDxfAtTrueSize) {
  for (const char* version : {"12", "2000"}) {
    const QString file = Export(QStringLiteral("ink%1.dxf").arg(version),
                                QStringList{design, "--dxf-version", version} + offsets);
    ExpectScriptPasses("check_inkscape_dxf.py", {file, "--expect", "OUTLINE", "490", "370", "--expect",
                                                 "MOULD", "530", "410", "--expect", "BINDING", "477", "357"});
  }
}
