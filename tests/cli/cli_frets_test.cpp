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
        BadArgs{"ZeroScale", {"--scale", "0"}, "frets: --scale: 0 is not greater than 0"},
        BadArgs{"NegativeScale", {"--scale", "-65"}, "frets: --scale: -65 is not greater than 0"},
        BadArgs{"NaNScale", {"--scale", "nan"}, "--scale: 'nan' is not a length"},
        BadArgs{"InfiniteScale", {"--scale", "inf"}, "--scale: 'inf' is not a length"},
        BadArgs{"ScaleInFeet", {"--scale", "2.1ft"}, "--scale: '2.1ft' is not a length"},
        BadArgs{"ThreeScales", {"--scale", "68,66,65", "--perpendicular", "7"}, "BASS,TREBLE"},
        BadArgs{"TwoScalesWithoutPerpendicular", {"--scale", "68,65"}, "--perpendicular"},
        BadArgs{"PerpendicularWithOneScale", {"--perpendicular", "7"}, "two scales"},
        BadArgs{"PerpendicularPastTheLastFret",
                {"--scale", "68,65", "--perpendicular", "20"},
                "--perpendicular: 20 is not a fret from 0 (the nut) to 19"},
        BadArgs{
            "PerpendicularBelowTheNut", {"--scale", "68,65", "--perpendicular", "-1"}, "0 (the nut) to 19"},
        BadArgs{"NoFrets", {"--frets", "0"}, "--frets: 0 is not from 1 to 36"},
        BadArgs{"ThirtySevenFrets", {"--frets", "37"}, "--frets: 37 is not from 1 to 36"},
        BadArgs{"FretsNotAWholeNumber", {"--frets", "19.5"}, "--frets: '19.5' is not a whole number"},
        BadArgs{"ZeroNutWidth", {"--nut-width", "0"}, "--nut-width: 0 is not greater than 0"},
        BadArgs{"NegativeWidthAt", {"--width-at", "12=-6"}, "--width-at: -6 is not greater than 0"},
        BadArgs{"WidthAtWithoutWidth", {"--width-at", "12"}, "FRET=WIDTH"},
        BadArgs{"WidthAtTheNut", {"--width-at", "0=5"}, "--width-at: 0 is not from 1 to 36"},
        BadArgs{"NarrowsToNothing",
                {"--width-at", "12=0.2"},
                "--width-at 12=0.2: the board's taper narrows to nothing"},
        BadArgs{
            "DesignNarrowsToNothing", {"--nut-width", "13"}, "frets: the board's taper narrows to nothing"},
        BadArgs{"BoardEndBeforeTheLastFret",
                {"--board-end", "18.5"},
                "--board-end 18.5: the board cannot end before"},
        BadArgs{"BoardShorterThanTheLastFret",
                {"--board-length", "43"},
                "--board-length 43: the board cannot end"},
        BadArgs{"NegativeOverhang", {"--overhang", "-1"}, "--overhang: -1 is negative"},
        BadArgs{
            "TwoBoardEnds", {"--board-end", "20", "--overhang", "3"}, "--board-end and --overhang: exclude"},
        // Half of fret 1's 36.48 mm.
        BadArgs{"SlotTooWide",
                {"--slot-width", "18.25"},
                "--slot-width 18.25: a slot of 18.25 mm is wider than half"},
        BadArgs{"NegativeSlot", {"--slot-width", "-0.5"}, "--slot-width: -0.5 is negative"},
        BadArgs{"NegativeExtension", {"--extend", "-2"}, "--extend: -2 is negative"},
        BadArgs{"NegativeCompensation", {"--saddle-compensation", "-1"}, "negative"},
        BadArgs{"NegativeStringMargin", {"--string-margin", "-1"}, "--string-margin: -1 is negative"},
        BadArgs{"ThreeStringMargins", {"--string-margin", "1,2,3"}, "MM or NUT,LAST"},
        BadArgs{"StringsMeet",
                {"--string-margin", "26"},
                "--string-margin 26: the outer strings must lie inside"},
        BadArgs{"TwoListings", {"--json", "--csv"}, "--json and --csv: exclude each other"},
        BadArgs{"UnknownPart", {"--parts", "outline,board"}, "--parts: unknown part 'board'"},
        BadArgs{"NothingToDraw", {"--parts", "soundhole"}, "nothing of its drawing: it has no soundhole"},
        BadArgs{"UnknownUnit", {"--unit", "mm"}, "--unit: unknown unit 'mm' (use cm or in)"},
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
  for (const char* text : {"--overhang <MM>", "--board-end <FRET>", "--width-at <N=W>", "--dxf-unit",
                           "centre string", "--string-margin <MM>", "--left-handed", "right-handed", "648mm"})
    EXPECT_TRUE(r.out.contains(text)) << text;
}

// Lengths with a unit are read in it; a bare number is in the design's unit (the MM options' in mm).
struct UnitCase {
  const char* name;
  QStringList args;
  const char* key;  // in the JSON, in mm (in for an inch design)
  double value;
};
void PrintTo(const UnitCase& c, std::ostream* os) {
  *os << c.name;
}

class CliFretsUnits : public ::testing::TestWithParam<UnitCase> {};

TEST_P(CliFretsUnits, EveryLengthTakesAUnit) {
  const CliResult r = RunCli(QStringList{"frets", "--json"} + GetParam().args);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
  const QJsonObject o = r.Json();
  const QString key = QString::fromLatin1(GetParam().key);
  const double got = key == "margin" ? o["stringMargin"].toObject()["nut"].toDouble() : o[key].toDouble();
  EXPECT_EQ(got, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, CliFretsUnits,
    ::testing::Values(
        UnitCase{"Millimetres", {"--scale", "648mm"}, "scale", 648.0},
        UnitCase{"Centimetres", {"--scale", "64.77cm"}, "scale", 647.7},
        UnitCase{"BareCentimetres", {"--scale", "64.77"}, "scale", 647.7},
        // 25.5 in is 64.77 cm, so 647.7 mm to the last bit.
        UnitCase{"Inches", {"--scale", "25.5in"}, "scale", 647.7},
        UnitCase{"InchMark", {"--scale", "25.5\""}, "scale", 647.7},
        UnitCase{"InchDesign", {"--unit", "in", "--scale", "25.5"}, "scale", 25.5},
        UnitCase{"MillimetresInAnInchDesign", {"--unit", "in", "--scale", "647.7mm"}, "scale", 647.7 / 25.4},
        UnitCase{"NutWidthInInches", {"--nut-width", "1.75in"}, "nutWidth", 44.45},
        UnitCase{"DefaultsConvertedToInches", {"--unit", "in"}, "nutWidth", 5.2 / 2.54},
        UnitCase{"MarginBareInMillimetres", {"--string-margin", "3.175"}, "margin", 3.175},
        UnitCase{"MarginInInches", {"--string-margin", "0.125in"}, "margin", 0.125 * 25.4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliFrets, AScaleFarFromAnyGuitarsIsWarnedAboutWithTheLikelyUnit) {
  const struct {
    QStringList args;
    const char* says;
  } runs[] = {
      {{"--scale", "648"},
       "frets: --scale: 648 cm is outside the usual 20 to 120 cm of a scale length; "
       "did you mean 648mm?\n"},
      {{"--unit", "in", "--scale", "648"}, "did you mean 648mm?"},
      {{"--scale", "6480mm"}, "6480 mm is outside the usual 20 to 120 cm of a scale length; check its unit"},
      {{"--width-at", "12=62"},
       "frets: --width-at: 62 cm is outside the usual 1 to 60 cm of a width; did you mean 62mm?"}};
  for (const auto& run : runs) {
    const CliResult r = RunCli(QStringList{"frets", "--csv"} + run.args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.OneErrorLine()) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(run.says)) << r.err.toStdString();
  }
}

TEST(CliFrets, TheJsonSaysTheHandednessAndTheStringMargins) {
  const QJsonObject right = RunCli({"frets", "--json", "--string-margin", "3,4"}).Json();
  EXPECT_EQ(right["handedness"].toString(), "right");
  EXPECT_EQ(right["stringMargin"].toObject()["nut"].toDouble(), 3.0);
  EXPECT_EQ(right["stringMargin"].toObject()["lastFret"].toDouble(), 4.0);
  const QJsonObject left = RunCli({"frets", "--json", "--left-handed"}).Json();
  EXPECT_EQ(left["handedness"].toString(), "left");
  EXPECT_EQ(left["stringMargin"].toObject()["nut"].toDouble(), 0.0);
}
