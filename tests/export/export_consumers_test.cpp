// Templates written by vesk-cli and read back by real consumers: ezdxf for DXF, rsvg-convert for
// SVG, poppler and qpdf for PDF. The expected sizes are the design's own measurements.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "document/veskdoc.h"
#include "export/body_template.h"
#include "export_test_support.h"
#include "geometry/shape_state.h"

namespace {

constexpr double kInch = 2.54;

class ExportConsumersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SaveDesign(withHole, [](CVeskDoc& d) {
      AddSoundhole(d);
      d.m_holePosition = 12.0;  // frets 13 to 19 lie before it
    });
    SaveDesign(inches, [](CVeskDoc& d) { d.OnCmToIn(); });
  }

  // Exports, then runs the script on the file; both must succeed.
  void ExportAndCheck(const QStringList& exportArgs, const QString& out, const QString& script,
                      const QStringList& checkArgs) {
    const ProcessResult e = RunCli(QStringList{"export"} + exportArgs + QStringList{"-o", out});
    ASSERT_EQ(e.exitCode, 0) << e.err.toStdString();
    const ProcessResult c = RunScript(script, QStringList{out} + checkArgs);
    EXPECT_EQ(c.exitCode, 0) << c.out.toStdString() << c.err.toStdString();
  }

  static QString Num(double v) { return QString::number(v, 'g', 17); }

  // The size (mm) that a PDF of the design plans its pages from: the drawing with its marks and
  // labels, as the export model has it.
  static QStringList LayoutMm(const QString& design, const ExportContent& content) {
    CVeskDoc doc;
    doc.OnNewDocument();
    QString error;
    EXPECT_TRUE(doc.OnOpenDocument(design, &error)) << error.toStdString();
    const Result<BuiltModel> r = BuildExportModel(doc.ToDesign(), g_shapeState, content);
    if (!r) {
      ADD_FAILURE() << r.error().message;
      return {};
    }
    const double k = MillimetresPerUnit(content.unit);
    return {"--layout-mm", Num(r->model.drawing.Width() * k), Num(r->model.drawing.Height() * k)};
  }

  // The same template twice more, with only the drawing and with only the furniture, for the check
  // that the two never meet.
  QStringList PartsApart(const QStringList& exportArgs) {
    const QString drawing = dir.filePath("drawing-only.pdf"), furniture = dir.filePath("furniture-only.pdf");
    const ProcessResult d =
        RunCli(QStringList{"export"} + exportArgs +
               QStringList{"--parts", "outline,offsets,centreline,soundhole,frets,stations", "-o", drawing});
    const ProcessResult f =
        RunCli(QStringList{"export"} + exportArgs + QStringList{"--parts", "check,title", "-o", furniture});
    EXPECT_EQ(d.exitCode, 0) << d.err.toStdString();
    EXPECT_EQ(f.exitCode, 0) << f.err.toStdString();
    return {"--drawing-only", drawing, "--furniture-only", furniture};
  }

  QTemporaryDir dir;
  const QString withHole = dir.filePath("hole.vesk");
  const QString inches = dir.filePath("inches.vesk");
};

}  // namespace

TEST_F(ExportConsumersTest, DxfR12OfANewDesign) {
  ExportAndCheck({}, dir.filePath("new.dxf"), "check_dxf.py",
                 {"--version", "AC1009", "--unit", "cm", "--length", "49", "--half-width", "18.5"});
}

TEST_F(ExportConsumersTest, DxfR2000WithSoundholeAndFingerboard) {
  ExportAndCheck({withHole, "--fingerboard", "--dxf-version", "2000"}, dir.filePath("hole.dxf"),
                 "check_dxf.py",
                 {"--version", "AC1015", "--unit", "cm", "--length", "49", "--half-width", "18.5", "--hole",
                  "12", "4.4", "--frets", "7"});
}

TEST_F(ExportConsumersTest, DxfHalfTemplateInInches) {
  ExportAndCheck({inches, "--unit", "in", "--half", "--no-soundhole", "--dxf-unit", "in"},
                 dir.filePath("half.dxf"), "check_dxf.py",
                 {"--version", "AC1009", "--unit", "in", "--dxf-unit", "in", "--length", Num(49 / kInch),
                  "--half-width", Num(18.5 / kInch), "--half"});
}

TEST_F(ExportConsumersTest, DxfOfAnInchDesignIsInMillimetresByDefault) {
  ExportAndCheck({inches, "--unit", "in", "--dxf-version", "2000"}, dir.filePath("inmm.dxf"), "check_dxf.py",
                 {"--version", "AC1015", "--unit", "in", "--length", Num(49 / kInch), "--half-width",
                  Num(18.5 / kInch)});
}

TEST_F(ExportConsumersTest, SvgRendersAtTrueSize) {
  ExportAndCheck({withHole, "--fingerboard"}, dir.filePath("hole.svg"), "check_svg.py",
                 {"--unit", "cm", "--length", "49", "--half-width", "18.5", "--dpi", "50.8"});
}

TEST_F(ExportConsumersTest, SvgHalfTemplateInInches) {
  ExportAndCheck({inches, "--unit", "in", "--half"}, dir.filePath("half.svg"), "check_svg.py",
                 {"--unit", "in", "--length", Num(49 / kInch), "--half-width", Num(18.5 / kInch), "--half",
                  "--dpi", "72"});
}

TEST_F(ExportConsumersTest, PdfTilesOnA4WithFurnitureClearOfTheDrawing) {
  const QStringList args{withHole, "--fingerboard", "--offset", "MOULD=20", "--offset", "SIDES=-2.2"};
  ExportContent content;
  content.fingerboard = true;
  content.offsets = {{"MOULD", 20.0}, {"SIDES", -2.2}};
  ExportAndCheck(args, dir.filePath("hole.pdf"), "check_pdf.py",
                 QStringList{"--paper", "a4", "--overlap", "10", "--outline-mm", "490", "370"} +
                     LayoutMm(withHole, content) + PartsApart(args));
}

TEST_F(ExportConsumersTest, PdfTilesOnLetterInInchesWithAWideOverlap) {
  const QStringList args{inches, "--unit", "in", "--paper", "letter", "--overlap", "25", "--half"};
  ExportContent content;
  content.unit = ExportUnit::In;
  content.extent = OutlineExtent::Half;
  ExportAndCheck(args, dir.filePath("letter.pdf"), "check_pdf.py",
                 QStringList{"--paper", "letter", "--overlap", "25", "--outline-mm", "490", "185",
                             "--check-mm", "101.6"} +
                     LayoutMm(inches, content) + PartsApart(args));
}
