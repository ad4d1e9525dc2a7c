// Templates written by vesk-cli and read back by real consumers: ezdxf for DXF, rsvg-convert for
// SVG, poppler and qpdf for PDF. The expected sizes are the design's own measurements.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "document/veskdoc.h"
#include "export_test_support.h"

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

TEST_F(ExportConsumersTest, PdfTilesOnA4) {
  ExportAndCheck({withHole, "--fingerboard"}, dir.filePath("hole.pdf"), "check_pdf.py",
                 {"--paper", "a4", "--overlap", "10", "--width-mm", "490", "--height-mm", "370"});
}

TEST_F(ExportConsumersTest, PdfTilesOnLetterInInchesWithAWideOverlap) {
  ExportAndCheck({inches, "--unit", "in", "--paper", "letter", "--overlap", "25"}, dir.filePath("letter.pdf"),
                 "check_pdf.py",
                 {"--paper", "letter", "--overlap", "25", "--width-mm", "490", "--height-mm", "370",
                  "--check-mm", "101.6"});
}
