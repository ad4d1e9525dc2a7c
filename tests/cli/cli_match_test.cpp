// vesk-cli match run as a program: a station table gives back its design file, the JSON reads back
// bit for bit, vesk's own DXF export is matched, the overlay has its true size as rsvg-convert
// renders it, and every bad input is one line with nothing written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <map>
#include <utility>

#include "match_cli_files.h"
#include "run_cli.h"

namespace {

double ReadDouble(const QByteArray& bytes, int offset) {
  double v;
  std::memcpy(&v, bytes.constData() + offset, sizeof v);  // little-endian host, as CI runs
  return v;
}

// Path -> hex of the double, for every number of the JSON as Python's json module reads it.
std::map<QString, QString> NumbersReadByPython(const QByteArray& json) {
  QProcess p;
  p.start(QStringLiteral(VESK_PYTHON3), {QStringLiteral(VESK_CLI_TEST_DIR "/json_leaves.py")});
  p.write(json);
  p.closeWriteChannel();
  std::map<QString, QString> numbers;
  if (!p.waitForFinished(60000) || p.exitCode() != 0) {
    ADD_FAILURE() << "Python could not read the JSON: " << p.readAllStandardError().toStdString();
    return numbers;
  }
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
    const QStringList parts = line.split('\t');
    if (parts.size() == 3 && (parts[1] == "float" || parts[1] == "int")) numbers[parts[0]] = parts[2];
  }
  return numbers;
}

QString Hex(double d) {
  quint64 bits;
  std::memcpy(&bits, &d, sizeof bits);
  return QStringLiteral("%1").arg(bits, 16, 16, QLatin1Char('0'));
}

TEST_F(MatchFilesTest, AStationTableGivesBackTheDesignFileSaveWrites) {
  const QString stations = Write("stations.txt", StationTable(kNewDesign, 40));
  const QString out = dir.filePath("matched.design");
  const CliResult r = RunCli({"match", stations, "-o", out, "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
  const QJsonObject json = r.Json();

  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_EQ(bytes.size(), 68);
  EXPECT_EQ(bytes.right(4), QByteArray(4, '\0')) << "no soundhole";
  for (int j = 0; j < 8; ++j) {
    const double saved = ReadDouble(bytes, 8 * j);
    const double reported = json.value(kNames[j]).toDouble();
    EXPECT_EQ(std::memcmp(&saved, &reported, sizeof saved), 0)
        << kNames[j] << ": the JSON reads back bit for bit";
    EXPECT_NEAR(saved, kNewDesign[j], 1e-8 * (kNewDesign[j] != 0 ? std::fabs(kNewDesign[j]) : 49.0))
        << kNames[j];
  }
  const std::map<QString, QString> python = NumbersReadByPython(r.out);
  for (int j = 0; j < 8; ++j) {
    const auto it = python.find(QStringLiteral("/%1").arg(kNames[j]));
    ASSERT_NE(it, python.end()) << kNames[j];
    EXPECT_EQ(it->second, Hex(ReadDouble(bytes, 8 * j))) << kNames[j] << ": Python reads the saved double";
  }
  EXPECT_EQ(json.value("points").toInt(), 40);
  EXPECT_LT(json.value("rms").toDouble(), 1e-9 * 49);
  EXPECT_LE(json.value("rms").toDouble(), json.value("maxDistance").toDouble());
  const QJsonArray distances = json.value("distances").toArray();
  ASSERT_EQ(distances.size(), 40);
  const int worst = json.value("maxDistancePoint").toInt();
  ASSERT_GE(worst, 1);
  EXPECT_EQ(std::fabs(distances[worst - 1].toDouble()), json.value("maxDistance").toDouble());
  EXPECT_EQ(json.value("maxDistanceLine").toInt(), worst + 2) << "two lines of comment and header";
  EXPECT_GT(json.value("iterations").toInt(), 0);
  EXPECT_GT(json.value("starts").toInt(), 0);
  EXPECT_TRUE(json.value("hasWaist").toBool());
  EXPECT_TRUE(json.value("rejected").toArray().isEmpty());
  EXPECT_FALSE(json.value("stopReason").toString().isEmpty());
  EXPECT_FALSE(json.contains("sides")) << "one side only";

  // info reads the same values out of the written file.
  const CliResult info = RunCli({"info", out, "--json"});
  ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
  const QJsonObject doc = info.Json().value("document").toObject();
  for (int j = 0; j < 8; ++j)
    EXPECT_EQ(doc.value(kNames[j]).toDouble(), json.value(kNames[j]).toDouble()) << kNames[j];
}

TEST_F(MatchFilesTest, TheTextReportNamesTheValuesTheWorstPointAndTheSolver) {
  const QString stations = Write("body.txt", StationTable(kNewDesign, 30, true));
  const CliResult r = RunCli({"match", stations, "--fix", "length=49"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QString text = QString::fromUtf8(r.out);
  EXPECT_TRUE(text.contains("matched 58 points")) << text.toStdString();
  EXPECT_TRUE(text.contains("\nlength = 49\n")) << "fixed, so exactly 49: " << text.toStdString();
  for (const char* name : kNames) EXPECT_TRUE(text.contains(QStringLiteral("\n%1 = ").arg(name))) << name;
  EXPECT_TRUE(text.contains("max distance = ")) << text.toStdString();
  EXPECT_TRUE(text.contains("(line ")) << text.toStdString();
  EXPECT_TRUE(text.contains("sides: +y 29 points")) << "a whole-body trace: " << text.toStdString();
  EXPECT_TRUE(text.contains("solver: ")) << text.toStdString();
  EXPECT_TRUE(text.contains(" starts, ")) << text.toStdString();
}

TEST_F(MatchFilesTest, VesksOwnDxfExportIsMatchedOnItsOutlineLayer) {
  const QString design = dir.filePath("new.design");
  ASSERT_EQ(RunCli({"new", "-o", design}).exitCode, 0);
  // The match reads a polyline's vertices: the segments' lie on the curve, the arcs' within 0.01 mm
  // (0.001 cm) of it, which bounds how far the fitted values can move.
  for (const auto& [curves, tolerance] : {std::pair{"segments", 1e-8 * 49}, std::pair{"arcs", 1e-3}}) {
    const QString dxf = dir.filePath(QStringLiteral("new-%1.dxf").arg(curves));
    ASSERT_EQ(RunCli({"export", design, "--format", "dxf", "--dxf-curves", curves, "-o", dxf}).exitCode, 0);
    const CliResult r = RunCli({"match", dxf, "--layer", "OUTLINE", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject json = r.Json();
    for (int j = 0; j < 8; ++j)
      EXPECT_NEAR(json.value(kNames[j]).toDouble(), kNewDesign[j], tolerance) << curves << " " << kNames[j];
    EXPECT_TRUE(json.contains("sides")) << "the export draws the whole body";
  }
}

TEST_F(MatchFilesTest, TheOverlayHasTheSizeItSaysAsRsvgRendersIt) {
  const QString stations = Write("stations.txt", StationTable(kNewDesign, 40));
  const QString svg = dir.filePath("overlay.svg"), png = dir.filePath("overlay.png");
  ASSERT_EQ(RunCli({"match", stations, "--overlay", svg}).exitCode, 0);
  ASSERT_EQ(RunCli({"match", stations, "--overlay", png}).exitCode, 0);

  QFile f(svg);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(f.readAll());
  const QRegularExpression size(QStringLiteral("width=\"([0-9.]+)cm\" height=\"([0-9.]+)cm\""));
  const QRegularExpressionMatch m = size.match(text);
  ASSERT_TRUE(m.hasMatch()) << "the size carries its unit on the root";
  const double widthMm = m.captured(1).toDouble() * 10.0, heightMm = m.captured(2).toDouble() * 10.0;
  EXPECT_GT(widthMm, 490.0) << "the whole body and a margin";
  EXPECT_GT(heightMm, 370.0);

  // rsvg-convert at 25.4 dpi draws one pixel per millimetre.
  const QString rendered = dir.filePath("rendered.png");
  QProcess rsvg;
  rsvg.start(QStringLiteral("rsvg-convert"), {"--dpi-x", "25.4", "--dpi-y", "25.4", "-o", rendered, svg});
  ASSERT_TRUE(rsvg.waitForFinished(60000));
  ASSERT_EQ(rsvg.exitCode(), 0) << rsvg.readAllStandardError().toStdString();
  const QImage fromSvg(rendered);
  ASSERT_FALSE(fromSvg.isNull());
  EXPECT_NEAR(fromSvg.width(), widthMm, 1.0);
  EXPECT_NEAR(fromSvg.height(), heightMm, 1.0);

  // The PNG says its own scale: 4 pixels a millimetre, the same drawing size.
  const QImage image(png);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.dotsPerMeterX(), 4000);
  EXPECT_NEAR(image.width() / 4.0, widthMm, 0.5);
  EXPECT_NEAR(image.height() / 4.0, heightMm, 0.5);
  // The outline is drawn: dark pixels along the middle row where the body's ends cross it.
  int dark = 0;
  for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, image.height() / 2 - 30)) < 128;
  EXPECT_GE(dark, 2);
}

struct BadRun {
  const char* name;
  QStringList args;  // "POINTS" is replaced by the file made from `file`; "OUT" by the output path
  QByteArray file;   // contents of the points file; empty: none is made
  int exitCode;
  const char* message;
};

TEST_F(MatchFilesTest, BadInputIsOneLineAndNothingWritten) {
  QByteArray seven = "x,y\n";
  for (int i = 0; i < 7; ++i) seven += QByteArray::number(i) + "," + QByteArray::number(i * i % 5) + "\n";
  const QByteArray good = StationTable(kNewDesign, 20);
  const QByteArray dxfEmpty = "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n";
  const BadRun runs[] = {
      {"NoPointsArgument", {"match"}, "", 2, "match: POINTS: missing"},
      {"MissingFile", {"match", "POINTS"}, "", 3, "no such file"},
      {"SevenPoints", {"match", "POINTS", "-o", "OUT"}, seven, 3, "too few points: 7 given"},
      {"WordInData",
       {"match", "POINTS", "-o", "OUT"},
       good + "12,wide\n",
       3,
       "line 23: 'wide' is not a number"},
      {"NotANumber", {"match", "POINTS", "-o", "OUT"}, good + "12,NaN\n", 3, "'NaN' is not a finite number"},
      {"Infinite", {"match", "POINTS", "-o", "OUT"}, good + "-inf,2\n", 3, "not a finite number"},
      {"AllOnOneLine",
       {"match", "POINTS", "-o", "OUT"},
       "0,1\n1,2\n2,3\n3,4\n4,5\n5,6\n6,7\n7,8\n8,9\n",
       3,
       "all points lie on one line"},
      {"TooFewToAlign",
       {"match", "POINTS", "--align", "-o", "OUT"},
       StationTable(kNewDesign, 10),
       3,
       "at least 11 needed"},
      {"EmptyDxf",
       {"match", "POINTS", "-o", "OUT"},
       dxfEmpty,
       3,
       "no LINE, POLYLINE, LWPOLYLINE, ARC, ELLIPSE"},
      {"BadFixName", {"match", "POINTS", "--fix", "width=3", "-o", "OUT"}, good, 2, "--fix 'width=3'"},
      {"BadFixValue",
       {"match", "POINTS", "--fix", "length=long", "-o", "OUT"},
       good,
       2,
       "not a finite number"},
      {"FixedTwice",
       {"match", "POINTS", "--fix", "a3=0", "--fix", "a3=1", "-o", "OUT"},
       good,
       2,
       "fixed twice"},
      {"BadUnit",
       {"match", "POINTS", "--unit", "mm", "-o", "OUT"},
       good,
       2,
       "--unit: unknown unit 'mm' (use cm or in)"},
      {"BadPointsUnit",
       {"match", "POINTS", "--points-unit", "ft", "-o", "OUT"},
       good,
       2,
       "--points-unit: unknown unit 'ft' (use mm, cm, in or m)"},
      {"BadOverlayName", {"match", "POINTS", "--overlay", "OUT"}, good, 2, "must end in .svg or .png"},
      {"LayerOnText", {"match", "POINTS", "--layer", "x", "-o", "OUT"}, good, 2, "--layer: applies to a DXF"},
      {"NoDesignFits", {"match", "POINTS", "--fix", "waist=20", "-o", "OUT"}, good, 1, "no design fits"},
  };
  for (const BadRun& run : runs) {
    const QString points = run.file.isEmpty() ? dir.filePath("absent.txt")
                                              : Write(QStringLiteral("%1.%2").arg(run.name).arg(
                                                          run.file.startsWith("0\nSECTION") ? "dxf" : "txt"),
                                                      run.file);
    const QString out = dir.filePath(QStringLiteral("%1.out").arg(run.name));
    QStringList args = run.args;
    args.replaceInStrings(QRegularExpression("^POINTS$"), points)
        .replaceInStrings(QRegularExpression("^OUT$"), out);
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.exitCode, run.exitCode) << run.name << ": " << r.err.toStdString();
    EXPECT_TRUE(r.OneErrorLine()) << run.name << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(run.message)) << run.name << ": " << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << run.name;
    EXPECT_FALSE(QFile::exists(out)) << run.name << ": nothing is written";
  }
}

TEST_F(MatchFilesTest, AnOutputThatCannotBeWrittenIsOneLine) {
  const QString stations = Write("stations.txt", StationTable(kNewDesign, 20));
  const CliResult design = RunCli({"match", stations, "-o", dir.filePath("no/such/folder/x.design")});
  EXPECT_EQ(design.exitCode, 3);
  EXPECT_TRUE(design.OneErrorLine()) << design.err.toStdString();
  EXPECT_TRUE(design.out.isEmpty());
  QDir(dir.path()).mkdir("taken.svg");
  const CliResult overlay = RunCli({"match", stations, "--overlay", dir.filePath("taken.svg")});
  EXPECT_EQ(overlay.exitCode, 3);
  EXPECT_TRUE(overlay.OneErrorLine()) << overlay.err.toStdString();
  EXPECT_TRUE(overlay.err.contains("it is a folder")) << overlay.err.toStdString();
}

TEST_F(MatchFilesTest, AFolderIsRefused) {
  const CliResult r = RunCli({"match", dir.path()});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.OneErrorLine()) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("it is a folder")) << r.err.toStdString();
}

}  // namespace
