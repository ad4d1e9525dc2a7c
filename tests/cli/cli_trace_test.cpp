// vesk-cli trace run as a program: pages of vesk's own PDF template rendered by pdftoppm (a scan
// whose PNG records its resolution) give their design back through trace and match, the points
// files read back into match, and every bad input is one line with nothing written.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>

#include "common/design_bytes.h"
#include "common/test_files.h"
#include "run_cli.h"
#include "trace_scene.h"

namespace {

// Small enough for one landscape A4 tile.
constexpr DesignShape kSmall = {22, 7.8, 5.2, 6.2, 0.02, -0.11, 0, -0.22};
DesignShape Values(const QJsonObject& json) {
  std::array<double, 8> v{};
  for (std::size_t j = 0; j < 8; ++j) v[j] = json[kDesignShapeNames[j]].toDouble();
  return DesignShape::FromArray(v);
}

class CliTraceTest : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    EXPECT_TRUE(testfiles::WriteBytes(dir.filePath(name), bytes));
    return dir.filePath(name);
  }

  // Page `page` of the design's PDF template (outline, centreline, check marks), as pdftoppm renders
  // it at dpi: page 1 is the one tile, page 2 the title page with the check square.
  QString ScanPage(int dpi, int page = 1) {
    designbytes::Record record;
    const std::array<double, 8> values = kSmall.ToArray();
    std::copy(values.begin(), values.end(), record.shape);
    const QString design = Write("small.vesk", designbytes::Bytes(record, false));
    const QString pdf = dir.filePath("small.pdf");
    EXPECT_EQ(RunCli({"export", design, "--format", "pdf", "--parts", "outline,centreline,check", "-o", pdf})
                  .exitCode,
              0);
    const QString prefix = dir.filePath(QStringLiteral("page%1-%2").arg(page).arg(dpi));
    QProcess p;
    p.start(QStringLiteral(VESK_PDFTOPPM), {"-r", QString::number(dpi), "-png", "-singlefile", "-f",
                                            QString::number(page), "-l", QString::number(page), pdf, prefix});
    EXPECT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0) << p.readAllStandardError().toStdString();
    return prefix + ".png";
  }

  QTemporaryDir dir;
};

struct ScanRow {
  int dpi;
  double toleranceMm;
};

TEST_F(CliTraceTest, ScansOfTheTemplateGiveTheirDesignBack) {
  for (const ScanRow row : {ScanRow{300, 0.15}, ScanRow{150, 0.3}}) {
    const QString page = ScanPage(row.dpi);
    const CliResult traced = RunCli({"trace", page, "--json"});
    ASSERT_EQ(traced.exitCode, 0) << traced.err.toStdString();
    const QJsonObject t = traced.Json();
    EXPECT_EQ(t["scaleSource"].toString(), "PNG pHYs");
    EXPECT_NEAR(t["pixelsPerMm"].toDouble(), row.dpi / 25.4, 1e-3);  // pHYs counts whole dots per metre
    EXPECT_EQ(t["outline"].toString(), "line");
    EXPECT_EQ(t["tiltDegrees"].toDouble(), 0.0);

    const CliResult matched = RunCli({"match", page, "--json"});
    ASSERT_EQ(matched.exitCode, 0) << matched.err.toStdString();
    const double rms = HalfOutlineRmsMm(kSmall, Values(matched.Json()));
    std::printf("%d dpi scan of the PDF template: half outline %.3f mm RMS from the true one\n", row.dpi,
                rms);
    EXPECT_LT(rms, row.toleranceMm) << row.dpi << " dpi";
  }
}

TEST_F(CliTraceTest, ThePointsFilesReadBackIntoTheMatch) {
  const QString page = ScanPage(150);
  struct Row {
    const char* suffix;
    const char* unit;
    double tolerance;  // of the design's values, in the unit
  };
  std::map<std::string, CliResult> direct;
  for (const Row row :
       {Row{"csv", "cm", 0.0}, Row{"txt", "cm", 0.0}, Row{"dxf", "cm", 1e-6}, Row{"dxf", "in", 1e-6}}) {
    const QString points = dir.filePath(QStringLiteral("points-%1.%2").arg(row.unit, row.suffix));
    const CliResult traced = RunCli({"trace", page, "--unit", row.unit, "-o", points});
    ASSERT_EQ(traced.exitCode, 0) << traced.err.toStdString();
    if (QByteArray(row.suffix) == "dxf") {  // not a template's comment, which promises a chord tolerance
      EXPECT_TRUE(testfiles::ReadBytes(points).startsWith("999\nvesk, an outline traced from a picture"));
    }
    // The picture's own match, once for each unit.
    if (!direct.count(row.unit)) direct[row.unit] = RunCli({"match", page, "--unit", row.unit, "--json"});
    const CliResult read = RunCli({"match", points, "--align", "--unit", row.unit, "--json"});
    ASSERT_EQ(read.exitCode, 0) << row.suffix << ": " << read.err.toStdString();
    const std::array<double, 8> want = Values(direct[row.unit].Json()).ToArray(),
                                got = Values(read.Json()).ToArray();
    for (std::size_t j = 0; j < 8; ++j)
      EXPECT_NEAR(got[j], want[j], row.tolerance * want[0])
          << row.suffix << " " << row.unit << " " << kDesignShapeNames[j];
  }
}

TEST_F(CliTraceTest, TheReportAndTheOverlaySayWhatWasTraced) {
  const QString page = ScanPage(150);
  const QString overlay = dir.filePath("overlay.png");
  const CliResult r = RunCli({"trace", page, "--overlay", overlay});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QString text = QString::fromUtf8(r.out);
  EXPECT_TRUE(text.contains(QRegularExpression(
      "^traced \\d+ points along the middle of a drawn line in .*page1-150.png \\(cm\\)\n")))
      << r.out.toStdString();
  EXPECT_TRUE(text.contains("scale: 5.905 pixels/mm from PNG pHYs\ntilt removed: 0.0 degrees\n"))
      << r.out.toStdString();
  const QRegularExpressionMatch extent = QRegularExpression("extent: ([0-9.]+) x ([0-9.]+) cm\n").match(text);
  ASSERT_TRUE(extent.hasMatch()) << r.out.toStdString();
  EXPECT_NEAR(extent.captured(1).toDouble(), kSmall.length, 0.02);
  // The overlay keeps the scan's scale, over the outline's box and a 10 mm margin all round.
  const QImage image(overlay);
  ASSERT_FALSE(image.isNull());
  EXPECT_NEAR(image.width(), (10.0 * extent.captured(1).toDouble() + 20.0) * 150 / 25.4, 2.0);
  EXPECT_NEAR(image.height(), (10.0 * extent.captured(2).toDouble() + 20.0) * 150 / 25.4, 2.0);
}

// libpng warns on stderr of an ancillary chunk whose CRC is wrong, and reads on: the trace's own
// output stays vesk-cli's alone.
TEST_F(CliTraceTest, TheDecodersWarningsStayOffStderr) {
  QByteArray png = testfiles::ReadBytes(ScanPage(150));
  const qsizetype phys = png.indexOf("pHYs");
  ASSERT_GT(phys, 0);
  png[phys + 4 + 9] = char(png[phys + 4 + 9] ^ 0x5a);  // the chunk's CRC
  const CliResult r = RunCli({"trace", Write("bad-crc.png", png), "--dpi", "150"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

struct BadRun {
  const char* name;
  QStringList args;  // "PICTURE", "OVERLAY" and the "OUT" of "OUT.csv" are replaced by paths
  QString picture;   // the file given as PICTURE
  int exitCode;
  const char* message;
};

TEST_F(CliTraceTest, BadInputIsOneLineAndNothingWritten) {
  const QString page = ScanPage(150);
  const QByteArray png = testfiles::ReadBytes(page);
  QByteArray huge = png;
  huge.replace(16, 8, QByteArray::fromHex("0000271100002711"));  // IHDR: 10001 x 10001
  QImage white(600, 400, QImage::Format_RGB32);
  white.fill(Qt::white);
  white.setDotsPerMeterX(11811), white.setDotsPerMeterY(11811);
  ASSERT_TRUE(white.save(dir.filePath("blank.png")));
  const QString title = ScanPage(150, 2), camera = ScanPage(72);
  const BadRun runs[] = {
      {"NoPicture", {"trace"}, "", 2, "trace: IMAGE: missing"},
      {"MissingFile",
       {"trace", "PICTURE", "-o", "OUT.csv"},
       dir.filePath("absent.png"),
       3,
       "absent.png: cannot be read: no such file"},
      {"Folder", {"trace", "PICTURE", "-o", "OUT.csv"}, dir.path(), 3, "it is a folder"},
      {"NotAPicture",
       {"trace", "PICTURE", "-o", "OUT.csv"},
       Write("text.png", "x,y\n1,2\n"),
       3,
       "not a PNG, JPEG or TIFF picture"},
      {"Truncated",
       {"trace", "PICTURE", "-o", "OUT.csv"},
       Write("cut.png", png.left(png.size() / 2)),
       3,
       "truncated"},
      {"Over100Megapixels",
       {"trace", "PICTURE", "-o", "OUT.csv"},
       Write("huge.png", huge),
       3,
       "more than the limit of 100 megapixels"},
      {"BlankPage",
       {"trace", "PICTURE", "-o", "OUT.csv", "--overlay", "OVERLAY"},
       dir.filePath("blank.png"),
       3,
       "blank page"},
      {"NoClosedCurve",
       {"trace", "PICTURE", "-o", "OUT.csv", "--overlay", "OVERLAY"},
       title,
       3,
       "no closed curve"},
      {"NoScale",
       {"trace", "PICTURE", "-o", "OUT.csv"},
       camera,
       3,
       "no scale: no check square found, and the file's 72 dpi"},
      {"MatchOfABlankPage",
       {"match", "PICTURE", "-o", "OUT.csv"},
       dir.filePath("blank.png"),
       3,
       "blank page"},
      {"LayerOnAPicture",
       {"match", "PICTURE", "--layer", "x", "-o", "OUT.csv"},
       page,
       2,
       "--layer: applies to a DXF file"},
      {"PointsUnitOnAPicture",
       {"match", "PICTURE", "--points-unit", "mm", "-o", "OUT.csv"},
       page,
       2,
       "--points-unit: applies to a points or DXF file"},
      {"PointsName", {"trace", "PICTURE", "-o", "OUT.svg"}, page, 2, "-o '"},
      {"OverlayName", {"trace", "PICTURE", "--overlay", "OUT.jpg"}, page, 2, "--overlay '"},
      {"ZeroDpi", {"trace", "PICTURE", "--dpi", "0", "-o", "OUT.csv"}, page, 2, "--dpi: 0 is not above 0"},
      {"WordDpi",
       {"trace", "PICTURE", "--dpi", "fine", "-o", "OUT.csv"},
       page,
       2,
       "'fine' is not a finite number"},
      {"Unit",
       {"trace", "PICTURE", "--unit", "mm", "-o", "OUT.csv"},
       page,
       2,
       "--unit: unknown unit 'mm' (use cm or in)"},
  };
  for (const BadRun& run : runs) {
    const QString overlay = dir.filePath(QStringLiteral("%1.png").arg(run.name));
    const QStringList before = testfiles::Entries(dir.path());
    QStringList args = run.args;
    args.replaceInStrings(QRegularExpression("^PICTURE$"), run.picture)
        .replaceInStrings(QRegularExpression("^OVERLAY$"), overlay)
        .replaceInStrings(QRegularExpression("^OUT"), dir.filePath(run.name));
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.exitCode, run.exitCode) << run.name << ": " << r.err.toStdString();
    EXPECT_TRUE(r.OneErrorLine()) << run.name << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("vesk-cli: ")) << run.name << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(run.message)) << run.name << ": " << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << run.name;
    EXPECT_EQ(testfiles::Entries(dir.path()), before) << run.name << ": nothing is written";
  }
}

}  // namespace
