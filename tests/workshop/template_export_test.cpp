// The workshop's templates are vesk-cli export's, byte for byte, for the same design and options;
// the page-tiling preview counts the pages the PDF has.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "document/design_file.h"
#include "geometry/fit_shape.h"
#include "workshop/template_panel.h"
#include "workshop/template_settings.h"
#include "workshop/tiling_preview.h"
#include "workshop/workshop_window.h"

namespace {

const QString kDesign = QStringLiteral(VESK_TEST_DATA_DIR "/soundhole_design.bin");

QByteArray Cli(const QStringList& args, const QString& out) {
  QProcess p;
  p.start(QStringLiteral(VESK_CLI_PATH),
          QStringList{QStringLiteral("export"), kDesign, QStringLiteral("-o"), out} + args);
  if (!p.waitForFinished(120000) || p.exitCode() != 0) {
    ADD_FAILURE() << "vesk-cli export failed: " << p.readAllStandardError().toStdString();
    return {};
  }
  QFile f(out);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A PDF names the second it was written (/CreationDate) and an /ID made from it; two writers a second
// apart differ there and nowhere else.
QByteArray WithoutTimestamp(QByteArray bytes) {
  static const QRegularExpression kStamp(
      QStringLiteral(R"(/CreationDate \(D:\d+Z\)|/ID \[<[0-9a-f]+><[0-9a-f]+>\])"));
  return QString::fromLatin1(bytes).replace(kStamp, QString()).toLatin1();
}

struct Row {
  const char* name;
  TemplateSettings settings;
  QStringList args;
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

TemplateSettings Settings(TemplateFormat format) {
  TemplateSettings s;
  s.output.format = format;
  return s;
}

std::vector<Row> Rows() {
  std::vector<Row> rows;
  rows.push_back({"SvgDefaults", Settings(TemplateFormat::Svg), {"--format", "svg"}});
  TemplateSettings dxf = Settings(TemplateFormat::Dxf);
  dxf.content.unit = ExportUnit::In;
  dxf.content.extent = OutlineExtent::Half;
  dxf.content.offsets = {{QStringLiteral("MOULD"), 20.0}, {QStringLiteral("SIDES"), -2.5}};
  dxf.output.dxf.version = DxfVersion::R2000;
  dxf.output.dxf.unit = DxfUnit::In;
  rows.push_back({"DxfHalfInchesWithOffsets",
                  dxf,
                  {"--format", "dxf", "--unit", "in", "--half", "--offset", "MOULD=20", "--offset",
                   "SIDES=-2.5", "--dxf-version", "2000", "--dxf-unit", "in"}});
  TemplateSettings pdf = Settings(TemplateFormat::Pdf);
  pdf.content.fingerboard = true;
  pdf.content.soundhole = false;
  pdf.content.parts = PartSet::None();
  for (Part p : {Part::Outline, Part::Frets, Part::Check, Part::Title}) pdf.content.parts.Add(p);
  pdf.output.paper = Paper::Letter;
  pdf.output.overlapMm = 15.0;
  rows.push_back({"PdfLetterFingerboardSomeParts",
                  pdf,
                  {"--format", "pdf", "--fingerboard", "--no-soundhole", "--parts",
                   "outline,frets,check,title", "--paper", "letter", "--overlap", "15"}});
  TemplateSettings segments = Settings(TemplateFormat::Svg);
  segments.content.curves = CurveStyle::Segments;
  segments.content.offsets = {{QStringLiteral("MOULD"), 12.5}, {QStringLiteral("LINING"), -6.0}};
  rows.push_back(
      {"SvgOffsetsInSegments",
       segments,
       {"--format", "svg", "--offset", "MOULD=12.5", "--offset", "LINING=-6", "--dxf-curves", "segments"}});
  TemplateSettings dxfSegments = Settings(TemplateFormat::Dxf);
  dxfSegments.content.curves = CurveStyle::Segments;
  dxfSegments.content.offsets = {{QStringLiteral("MOULD"), 20.0}};
  rows.push_back({"DxfSegmentsWithAnOffset",
                  dxfSegments,
                  {"--format", "dxf", "--offset", "MOULD=20", "--dxf-curves", "segments"}});
  return rows;
}

class TemplateBytesTest : public ::testing::TestWithParam<Row> {};

TEST_P(TemplateBytesTest, SameAsVeskCliExport) {
  const Row& row = GetParam();
  const Result<Design> design = LoadDesignFile(kDesign);
  ASSERT_TRUE(design.ok());
  const Result<RenderedTemplate> ours = ExportTemplateBytes(*design, FitOutline(design->shape), row.settings,
                                                            QStringLiteral("soundhole_design.bin"));
  ASSERT_TRUE(ours.ok()) << ours.error().message;
  QTemporaryDir dir;
  const QByteArray theirs = Cli(row.args, dir.filePath(QStringLiteral("cli")));
  EXPECT_FALSE(theirs.isEmpty());
  EXPECT_TRUE(WithoutTimestamp(ours->bytes) == WithoutTimestamp(theirs));
}

INSTANTIATE_TEST_SUITE_P(Rows, TemplateBytesTest, ::testing::ValuesIn(Rows()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WorkshopExport, WindowWritesTheCliBytesOffTheGuiThreadInTheChosenCurves) {
  QTemporaryDir dir;
  WorkshopWindow window;
  ASSERT_TRUE(window.loadFile(kDesign).ok());
  auto* curves = window.templatePanel()->findChild<QComboBox*>(QStringLiteral("curves"));
  ASSERT_NE(curves, nullptr);
  curves->setCurrentIndex(curves->findData(int(CurveStyle::Segments)));
  QSignalSpy exported(&window, &WorkshopWindow::templateExported);
  const QString path = dir.filePath(QStringLiteral("body.dxf"));
  window.exportTemplateTo(path);
  ASSERT_TRUE(exported.wait(60000));
  EXPECT_EQ(exported.front().at(1).toString(), QString());
  EXPECT_EQ(window.templatePanel()->settings().output.format, TemplateFormat::Dxf);
  QFile written(path);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.readAll() ==
              Cli({"--dxf-curves", "segments"}, dir.filePath(QStringLiteral("cli.dxf"))));
}

TEST(WorkshopExport, TilingPreviewCountsThePagesOfThePdf) {
  QTemporaryDir dir;
  WorkshopWindow window;
  ASSERT_TRUE(window.loadFile(kDesign).ok());
  QSignalSpy exported(&window, &WorkshopWindow::templateExported);
  const QString path = dir.filePath(QStringLiteral("body.pdf"));
  window.exportTemplateTo(path);
  ASSERT_TRUE(exported.wait(60000));
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {path});
  ASSERT_TRUE(info.waitForFinished(30000));
  const QString out = QString::fromUtf8(info.readAllStandardOutput());
  const qsizetype at = out.indexOf(QStringLiteral("Pages:"));
  ASSERT_GE(at, 0) << out.toStdString();
  const int pages = out.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
  // The tiles, then the title page.
  EXPECT_EQ(window.templatePanel()->tiling()->plan().PageCount() + 1, pages);
}

}  // namespace
