// vesk-cli match on files as CAD programs write them (with ezdxf): a turned trace in either unit,
// splines, bulges and arcs, a DXF that says metres for millimetres; and a table with stray points,
// left out, listed and drawn grey.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>

#include "match_cli_files.h"
#include "run_cli.h"

namespace {

struct TraceCase {
  const char* name;
  const char* designUnit;
  const char* dxfUnit;
  double scale;  // design values in this unit: the cm values divided by it
};

TEST_F(MatchFilesTest, AnEzdxfTraceTurnedAndShiftedIsAlignedInEitherUnit) {
  for (const TraceCase c :
       {TraceCase{"cm design, mm DXF", "cm", "mm", 1.0}, TraceCase{"in design, in DXF", "in", "in", 2.54},
        TraceCase{"cm design, in DXF", "cm", "in", 1.0}}) {
    double v[8];
    for (int j = 0; j < 8; ++j) v[j] = kNewDesign[j] / c.scale;
    const QString points = Write("trace.txt", StationTable(v, 80, true));
    const QString dxf = dir.filePath("trace.dxf");
    ASSERT_TRUE(WriteTrace(
        points, dxf,
        {"--design-unit", c.designUnit, "--dxf-unit", c.dxfUnit, "--degrees", "57", "--shift", "12", "-30"}));
    const CliResult r =
        RunCli({"match", dxf, "--align", "--layer", "trace", "--unit", c.designUnit, "--json"});
    ASSERT_EQ(r.exitCode, 0) << c.name << ": " << r.err.toStdString();
    const QJsonObject json = r.Json();
    for (int j = 0; j < 8; ++j)
      EXPECT_NEAR(json.value(kNames[j]).toDouble(), v[j], 1e-8 * v[0]) << c.name << ": " << kNames[j];
    EXPECT_NEAR(json.value("alignment").toObject().value("angle").toDouble(), -57.0, 1e-6) << c.name;
  }
}

// The outline as CAD programs draw curves: a fitted SPLINE, circular arcs as polyline bulges, or
// ARC entities. The curves stand within a few micrometres of the design's outline; without
// --layer, the layer of the closed outline is read and the others are listed.
TEST_F(MatchFilesTest, SplinesBulgesAndArcsFromEzdxfGiveTheDesignBack) {
  const QString points = Write("body.txt", StationTable(kNewDesign, 91, true));
  for (const char* curves : {"spline", "bulges", "arcs"}) {
    const QString dxf = dir.filePath(QStringLiteral("%1.dxf").arg(curves));
    ASSERT_TRUE(WriteTrace(points, dxf,
                           {"--design-unit", "cm", "--dxf-unit", "mm", "--degrees", "-20", "--shift", "5",
                            "8", "--curves", curves}));
    const CliResult r = RunCli({"match", dxf, "--align", "--json"});
    ASSERT_EQ(r.exitCode, 0) << curves << ": " << r.err.toStdString();
    const QJsonObject json = r.Json();
    for (int j = 0; j < 8; ++j)
      EXPECT_NEAR(json.value(kNames[j]).toDouble(), kNewDesign[j], 2e-3) << curves << ": " << kNames[j];
    EXPECT_LT(json.value("rms").toDouble(), 1e-3) << curves << ": within 10 micrometres";
    EXPECT_EQ(json.value("layer").toString(), "TRACE") << curves;
    const QJsonArray layers = json.value("layers").toArray();
    ASSERT_EQ(layers.size(), 2) << curves;
    EXPECT_EQ(layers[1].toObject().value("name").toString(), "NOTES");
    EXPECT_EQ(layers[1].toObject().value("points").toInt(), 2) << "the line's ends; circles are not read";
    EXPECT_GT(json.value("points").toInt(), 300) << curves << ": curves are sampled, not just their ends";
  }
}

// Most CAD files say metres ($INSUNITS 6) for millimetre numbers: a warning, and --points-unit.
TEST_F(MatchFilesTest, AWrongUnitIsWarnedOfAndOverridden) {
  const QString points = Write("trace.txt", StationTable(kNewDesign, 40, true));
  const QString dxf = dir.filePath("metres.dxf");
  ASSERT_TRUE(WriteTrace(points, dxf, {"--design-unit", "cm", "--dxf-unit", "mm", "--insunits", "6"}));
  const CliResult taken = RunCli({"match", dxf, "--json"});
  ASSERT_EQ(taken.exitCode, 0) << taken.err.toStdString();
  EXPECT_TRUE(taken.OneErrorLine()) << taken.err.toStdString();
  EXPECT_TRUE(taken.err.contains("warning: the points span 49000 cm")) << taken.err.toStdString();
  EXPECT_TRUE(taken.err.contains("--points-unit")) << taken.err.toStdString();
  EXPECT_TRUE(taken.Json().value("warning").toString().contains("--points-unit"));
  const CliResult given = RunCli({"match", dxf, "--points-unit", "mm", "--json"});
  ASSERT_EQ(given.exitCode, 0) << given.err.toStdString();
  EXPECT_TRUE(given.err.isEmpty()) << given.err.toStdString();
  EXPECT_NEAR(given.Json().value("length").toDouble(), 49.0, 1e-8 * 49);
  EXPECT_FALSE(given.Json().contains("warning"));
}

// A station table with a centreline and a soundhole traced among its points.
TEST_F(MatchFilesTest, StraysAreLeftOutListedAndDrawnGrey) {
  QByteArray text = StationTable(kNewDesign, 60, true);
  const QByteArray strays = "20,0\n25,0\n30,0\n14,4\n14,-4\n10,0\n";
  text += strays;
  const QString points = Write("strays.txt", text);
  const QString svg = dir.filePath("strays.svg");
  const CliResult r = RunCli({"match", points, "--json", "--overlay", svg});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonObject json = r.Json();
  const QJsonArray rejected = json.value("rejected").toArray();
  ASSERT_EQ(rejected.size(), 6);
  const int stations = json.value("points").toInt() - 6;
  for (int k = 0; k < 6; ++k)
    EXPECT_EQ(rejected[k].toInt(), stations + k) << "indices in input order, from 0";
  EXPECT_NEAR(json.value("lowerBout").toDouble(), 18.5, 1e-8 * 49);
  QFile f(svg);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString drawing = QString::fromUtf8(f.readAll());
  const qsizetype grey = drawing.indexOf(QStringLiteral("id=\"REJECTED\""));
  ASSERT_GE(grey, 0);
  EXPECT_TRUE(drawing.mid(grey, 300).contains("#909090")) << "drawn grey";
  EXPECT_EQ(drawing.mid(grey).section(QStringLiteral("</g>"), 0, 0).count(QStringLiteral("<circle")), 6);
  const CliResult all = RunCli({"match", points, "--json", "--keep-all"});
  ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
  EXPECT_TRUE(all.Json().value("rejected").toArray().isEmpty());
  EXPECT_GT(all.Json().value("rms").toDouble(), 10.0 * json.value("rms").toDouble() + 1e-3);
}

}  // namespace
