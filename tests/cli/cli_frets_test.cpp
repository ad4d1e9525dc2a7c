// vesk-cli frets: the printed table against equal temperament, JSON and CSV at full precision, a
// saved design's scale and joint fret, fanned frets, and bad input refused with nothing written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <ostream>
#include <string>

#include "run_cli.h"

namespace {

QString Fixture(const char* name) {
  return QStringLiteral(VESK_TEST_DATA_DIR "/") + name;
}

// Equal temperament in long double: fret n leaves 2^(-n/12) of the string.
double FromNut(double scale, int n) {
  return static_cast<double>(scale * (1.0L - std::exp2(-n / 12.0L)));
}

struct Row {
  int fret = 0;
  QStringList columns;
  QString rest;
};

// The numbered rows of the printed table.
std::vector<Row> Rows(const QByteArray& out) {
  static const QRegularExpression row(QStringLiteral("^\\s*(\\d+)((?:\\s+-?\\d+\\.\\d+)+)(.*)$"));
  std::vector<Row> rows;
  for (const QString& line : QString::fromUtf8(out).split('\n')) {
    const QRegularExpressionMatch m = row.match(line);
    if (!m.hasMatch()) continue;
    rows.push_back({m.captured(1).toInt(), m.captured(2).split(' ', Qt::SkipEmptyParts), m.captured(3)});
  }
  return rows;
}

QStringList CsvLines(const QByteArray& out) {
  return QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts);
}

}  // namespace

TEST(CliFrets, TheNewDesignsTableIsEqualTemperamentOnA650mmScale) {
  const CliResult r = RunCli({"frets"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
  const std::vector<Row> rows = Rows(r.out);
  ASSERT_EQ(rows.size(), 19u) << r.out.toStdString();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fret);
    ASSERT_EQ(row.columns.size(), 4);
    const double d = FromNut(650.0, row.fret);
    EXPECT_EQ(row.columns[0], QString::number(d, 'f', 3));
    EXPECT_EQ(row.columns[1],
              QString::number(d - (row.fret == 1 ? 0.0 : FromNut(650.0, row.fret - 1)), 'f', 3));
    EXPECT_EQ(row.columns[2], QString::number(650.0 - d, 'f', 3));
    // 52 mm at the nut, 62 mm at the octave: 10 mm wider every 325 mm.
    EXPECT_EQ(row.columns[3], QString::number(52.0 + d * (10.0 / 325.0), 'f', 3));
    EXPECT_TRUE(row.rest.isEmpty()) << "a new design has no body joint";
  }
  EXPECT_EQ(rows[11].columns[0], "325.000");
  EXPECT_TRUE(r.out.contains("Board end: 445.263 mm from the nut.")) << "fret 20's place";
}

TEST(CliFrets, JsonAndCsvCarryEveryValueAtFullPrecision) {
  const CliResult json = RunCli({"frets", "--frets", "24", "--json"});
  ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
  const QJsonObject o = json.Json();
  EXPECT_EQ(o["unit"].toString(), "mm");
  EXPECT_EQ(o["scale"].toDouble(), 650.0);
  const QJsonArray table = o["table"].toArray();
  ASSERT_EQ(table.size(), 24);
  EXPECT_EQ(table[11].toObject()["fromNut"].toDouble(), 325.0);
  EXPECT_EQ(table[23].toObject()["fromNut"].toDouble(), 487.5);
  EXPECT_EQ(table[23].toObject()["fromSaddle"].toDouble(), 162.5);

  const CliResult csv = RunCli({"frets", "--frets", "24", "--csv"});
  ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
  const QStringList lines = CsvLines(csv.out);
  ASSERT_EQ(lines.size(), 25);
  EXPECT_EQ(lines[0], "fret,from_nut_mm,from_previous_mm,from_saddle_mm,width_mm");
  const char* keys[] = {"fromNut", "fromPrevious", "fromSaddle", "width"};
  for (int n = 1; n <= 24; ++n) {
    SCOPED_TRACE(n);
    const QStringList cells = lines[n].split(',');
    ASSERT_EQ(cells.size(), 5);
    EXPECT_EQ(cells[0].toInt(), n);
    const QJsonObject row = table[n - 1].toObject();
    EXPECT_EQ(row["fret"].toInt(), n);
    // Shortest round trip: the text reads back to the very double the JSON holds.
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(std::strtod(cells[k + 1].toLatin1().constData(), nullptr), row[keys[k]].toDouble());
    EXPECT_NEAR(row["fromNut"].toDouble(), FromNut(650.0, n), 2e-16 * 650.0);
  }
}

TEST(CliFrets, ASavedDesignBringsItsScaleWidthsAndJointFret) {
  // Scale 64 cm, nut 5 cm, 6 cm entered as the twelfth-fret width, joint fret 14.
  const CliResult r = RunCli({"frets", Fixture("soundhole_design.bin")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const std::vector<Row> rows = Rows(r.out);
  ASSERT_EQ(rows.size(), 19u);
  for (const Row& row : rows) EXPECT_EQ(row.rest.contains("body joint"), row.fret == 14) << row.fret;
  EXPECT_EQ(rows[11].columns[0], "320.000");
  // The window reaches the entered width at the joint fret, and so does the table.
  EXPECT_EQ(rows[13].columns[3], "60.000");

  const QJsonObject o = RunCli({"frets", Fixture("soundhole_design.bin"), "--json"}).Json();
  EXPECT_EQ(o["jointFret"].toInt(), 14);
  EXPECT_EQ(o["widthAt"].toObject()["fret"].toInt(), 14);
  EXPECT_EQ(o["nutWidth"].toDouble(), 50.0);
}

TEST(CliFrets, OptionsOverrideTheDesign) {
  const QJsonObject o = RunCli({"frets", Fixture("soundhole_design.bin"), "--scale", "65", "--width-at",
                                "12=6.2", "--nut-width", "5.2", "--frets", "20", "--json"})
                            .Json();
  EXPECT_EQ(o["scale"].toDouble(), 650.0);
  EXPECT_EQ(o["frets"].toInt(), 20);
  EXPECT_EQ(o["widthAt"].toObject()["fret"].toInt(), 12);
  EXPECT_EQ(o["jointFret"].toInt(), 14) << "the design's joint is still marked";
  EXPECT_NEAR(o["table"].toArray()[11].toObject()["width"].toDouble(), 62.0, 1e-12);
}

TEST(CliFrets, AnInchDesignGetsAnInchTableToATenThousandth) {
  const CliResult r = RunCli({"frets", "--unit", "in", "--scale", "25.5", "--nut-width", "1.6875",
                              "--width-at", "12=2.0625", "--board-end", "21"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const std::vector<Row> rows = Rows(r.out);
  ASSERT_EQ(rows.size(), 19u);
  EXPECT_EQ(rows[11].columns[0], "12.7500");
  EXPECT_EQ(rows[0].columns[0], QString::number(FromNut(25.5, 1), 'f', 4));
  EXPECT_TRUE(r.out.contains(QString("Board end: %1 in").arg(FromNut(25.5, 21), 0, 'f', 4).toUtf8()))
      << r.out.toStdString();
}

TEST(CliFrets, AFannedBoardListsBothEdgesAndTheAngle) {
  const CliResult r =
      RunCli({"frets", "--scale", "68.58,64.77", "--perpendicular", "7", "--frets", "24", "--csv"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QStringList lines = CsvLines(r.out);
  ASSERT_EQ(lines.size(), 25);
  EXPECT_TRUE(lines[0].startsWith("fret,bass_from_nut_mm,")) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].contains(",treble_from_nut_mm,"));
  EXPECT_TRUE(lines[0].endsWith(",angle_deg"));
  for (int n = 1; n <= 24; ++n) {
    const QStringList cells = lines[n].split(',');
    ASSERT_EQ(cells.size(), 10);
    EXPECT_NEAR(cells[1].toDouble(), FromNut(685.8, n), 1e-12 * 685.8) << n;
    EXPECT_NEAR(cells[5].toDouble(), FromNut(647.7, n), 1e-12 * 647.7) << n;
    const double angle = cells[9].toDouble();
    // Square at the 7th, fanning one way below it and the other way above.
    EXPECT_EQ(angle == 0.0, n == 7) << n;
    EXPECT_EQ(angle > 0.0, n > 7) << n;
  }
}

TEST(CliFrets, ATemplateIsWrittenAndTheTablePrintedOnlyWhenAsked) {
  QTemporaryDir dir;
  const QString out = dir.filePath("board.svg");
  const CliResult quiet = RunCli({"frets", "-o", out});
  ASSERT_EQ(quiet.exitCode, 0) << quiet.err.toStdString();
  EXPECT_TRUE(quiet.out.startsWith("wrote ")) << quiet.out.toStdString();
  EXPECT_TRUE(QFile::exists(out));
  const CliResult both = RunCli({"frets", "-o", dir.filePath("board.dxf"), "--json"});
  ASSERT_EQ(both.exitCode, 0) << both.err.toStdString();
  EXPECT_EQ(both.Json()["frets"].toInt(), 19);
  EXPECT_TRUE(QFile::exists(dir.filePath("board.dxf")));
}

TEST(CliFrets, AMissingDesignIsAFileError) {
  QTemporaryDir dir;
  const CliResult r = RunCli({"frets", dir.filePath("none"), "-o", dir.filePath("x.svg")});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.OneErrorLine()) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("x.svg")));
}

struct BadArgs {
  const char* name;
  QStringList args;
  const char* says;  // part of the one-line message
};
void PrintTo(const BadArgs& c, std::ostream* os) {
  *os << c.name;
}

class CliFretsRefuses : public ::testing::TestWithParam<BadArgs> {};

TEST_P(CliFretsRefuses, WithOneLineExitTwoAndNothingWritten) {
  QTemporaryDir dir;
  const QString out = dir.filePath("board.dxf");
  const CliResult r = RunCli(QStringList{"frets"} + GetParam().args + QStringList{"-o", out});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
  EXPECT_TRUE(r.OneErrorLine()) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(GetParam().says)) << r.err.toStdString();
  EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "something was written";
}

INSTANTIATE_TEST_SUITE_P(
    Args, CliFretsRefuses,
    ::testing::Values(
        BadArgs{"ZeroScale", {"--scale", "0"}, "scale length"},
        BadArgs{"NegativeScale", {"--scale", "-65"}, "scale length"},
        BadArgs{"NaNScale", {"--scale", "nan"}, "not a finite number"},
        BadArgs{"InfiniteScale", {"--scale", "inf"}, "not a finite number"},
        BadArgs{"ThreeScales", {"--scale", "68,66,65", "--perpendicular", "7"}, "BASS,TREBLE"},
        BadArgs{"TwoScalesWithoutPerpendicular", {"--scale", "68,65"}, "--perpendicular"},
        BadArgs{"PerpendicularWithOneScale", {"--perpendicular", "7"}, "two scales"},
        BadArgs{"PerpendicularPastTheLastFret",
                {"--scale", "68,65", "--perpendicular", "20"},
                "0 (the nut) to 19"},
        BadArgs{
            "PerpendicularBelowTheNut", {"--scale", "68,65", "--perpendicular", "-1"}, "0 (the nut) to 19"},
        BadArgs{"NoFrets", {"--frets", "0"}, "1 to 36"},
        BadArgs{"ThirtySevenFrets", {"--frets", "37"}, "1 to 36"},
        BadArgs{"FretsNotAWholeNumber", {"--frets", "19.5"}, "not a whole number"},
        BadArgs{"ZeroNutWidth", {"--nut-width", "0"}, "widths must be greater than 0"},
        BadArgs{"NegativeWidthAt", {"--width-at", "12=-6"}, "widths must be greater than 0"},
        BadArgs{"WidthAtWithoutWidth", {"--width-at", "12"}, "FRET=WIDTH"},
        BadArgs{"WidthAtTheNut", {"--width-at", "0=5"}, "not a fret from 1 to 36"},
        BadArgs{"BoardEndBeforeTheLastFret", {"--board-end", "18.5"}, "before the last fret"},
        BadArgs{"BoardShorterThanTheLastFret", {"--board-length", "43"}, "before the last fret"},
        BadArgs{"NegativeOverhang", {"--overhang", "-1"}, "before the last fret"},
        BadArgs{"TwoBoardEnds", {"--board-end", "20", "--overhang", "3"}, "exclude each other"},
        // Half of fret 1's 36.48 mm.
        BadArgs{"SlotTooWide", {"--slot-width", "18.25"}, "wider than half the first fret spacing"},
        BadArgs{"NegativeSlot", {"--slot-width", "-0.5"}, "narrower than 0"},
        BadArgs{"NegativeExtension", {"--extend", "-2"}, "negative"},
        BadArgs{"NegativeCompensation", {"--saddle-compensation", "-1"}, "negative"},
        BadArgs{"TwoListings", {"--json", "--csv"}, "exclude each other"},
        BadArgs{"UnknownPart", {"--parts", "outline,board"}, "unknown part 'board'"},
        BadArgs{"UnknownUnit", {"--unit", "mm"}, "use cm or in"},
        BadArgs{"ScaleOverflowsInMillimetres", {"--scale", "1e308"}, "too large"},
        BadArgs{"ScaleOver100m", {"--scale", "10000.1"}, "too large (at most 100 m)"},
        BadArgs{"TooWideForATemplate",
                {"--nut-width", "5000", "--width-at", "12=9000"},
                "templates are limited"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliFrets, HelpExplainsTheOptionsAndTheirUnits) {
  const CliResult r = RunCli({"frets", "--help"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.startsWith("Usage: vesk-cli frets [options] [FILE]\n")) << r.out.toStdString();
  for (const char* text :
       {"--overhang <MM>", "--board-end <FRET>", "--width-at <N=W>", "--dxf-unit", "centre string"})
    EXPECT_TRUE(r.out.contains(text)) << text;
}
