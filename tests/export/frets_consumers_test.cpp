// Fret-slot templates written by vesk-cli frets and read back by ezdxf and by FreeCAD: one entity per
// fret, the board one closed contour, every line where equal temperament puts it, in millimetres.
// The expected lines come from tests/export/fretboard_expected.py, not from vesk.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <ostream>
#include <string>

#include "export_test_support.h"

namespace {

struct FretsCase {
  const char* name;
  QStringList cliArgs;    // vesk-cli frets options (design unit cm)
  QStringList boardArgs;  // the same board for fretboard_expected.py, in mm
  QStringList dxfArgs;    // version and unit checks
};
void PrintTo(const FretsCase& c, std::ostream* os) {
  *os << c.name;
}

// freecadcmd takes no script arguments: they travel in the environment.
ProcessResult RunFreeCad(const QString& dxf, const QStringList& boardArgs) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("VESK_DXF", dxf);
  env.insert("VESK_FRETS_ARGS", boardArgs.join(' '));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(VESK_FREECADCMD), {QStringLiteral(VESK_EXPORT_SCRIPTS "/check_frets_freecad.py")});
  ProcessResult r;
  if (!p.waitForFinished(180000)) {
    p.kill();
    p.waitForFinished();
    r.err = QStringLiteral("freecadcmd did not finish: ") + p.errorString();
    return r;
  }
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
  r.err = QString::fromLocal8Bit(p.readAllStandardError());
  return r;
}

class FretsConsumersTest : public ::testing::TestWithParam<FretsCase> {
 protected:
  QString WriteDxf() {
    const QString out = dir.filePath("board.dxf");
    const ProcessResult e = RunCli(QStringList{"frets"} + GetParam().cliArgs + QStringList{"-o", out});
    EXPECT_EQ(e.exitCode, 0) << e.err.toStdString();
    return out;
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_P(FretsConsumersTest, EzdxfReadsEveryFretAsOneEntityAtTrueSize) {
  const QString dxf = WriteDxf();
  const ProcessResult c =
      RunScript("check_frets_dxf.py", QStringList{dxf} + GetParam().boardArgs + GetParam().dxfArgs);
  EXPECT_EQ(c.exitCode, 0) << c.out.toStdString() << c.err.toStdString();
}

// FreeCAD is given the boards whose frets are single lines.
class FretsFreeCadTest : public FretsConsumersTest {};

TEST_P(FretsFreeCadTest, ImportsOneEdgePerFretAndAClosedBoard) {
  const QString dxf = WriteDxf();
  const ProcessResult c = RunFreeCad(dxf, GetParam().boardArgs);
  EXPECT_EQ(c.exitCode, 0) << c.out.toStdString() << c.err.toStdString();
  EXPECT_TRUE(c.out.contains("vesk-freecad-check: ok")) << c.out.toStdString() << c.err.toStdString();
}

const FretsCase kNewDesign{"NewDesignR12",
                           {},
                           {"--scale", "650", "--frets", "19", "--nut", "52", "--width-at", "12=62"},
                           {"--version", "AC1009", "--insunits", "4"}};
const FretsCase kMultiscale{"MultiscaleR2000Extended",
                            {"--scale", "68.58,64.77", "--perpendicular", "7", "--frets", "24", "--extend",
                             "5", "--board-end", "24.5", "--dxf-version", "2000"},
                            {"--scale", "685.8,647.7", "--perpendicular", "7", "--frets", "24", "--nut", "52",
                             "--width-at", "12=62", "--extend", "5", "--board-end-fret", "24.5"},
                            {"--version", "AC1015", "--insunits", "4"}};
const FretsCase kSlots{
    "SlotsAndSaddleCompensationLeftHanded",
    {"--slot-width", "0.6", "--saddle-compensation", "2.5", "--frets", "20", "--left-handed"},
    {"--scale", "650", "--frets", "20", "--nut", "52", "--width-at", "12=62", "--slot", "0.6",
     "--compensation", "2.5", "--left-handed"},
    {"--version", "AC1009", "--insunits", "4"}};
// 27 in and 25.5 in on the outer strings, which lie 1/8 in inside the edges.
const FretsCase kStrings{"FannedStringsInsideTheEdges",
                         {"--unit", "in", "--scale", "27,25.5", "--perpendicular", "7", "--frets", "24",
                          "--nut-width", "1.75", "--width-at", "12=2.125", "--string-margin", "0.125in"},
                         {"--scale", "685.8,647.7", "--perpendicular", "7", "--frets", "24", "--nut", "44.45",
                          "--width-at", "12=53.975", "--margins", "3.175,3.175"},
                         {"--version", "AC1009", "--insunits", "4"}};
const FretsCase kInches{"InchesFannedAtTheNut",
                        {"--unit", "in", "--scale", "27,25.5", "--perpendicular", "0", "--nut-width", "1.75",
                         "--width-at", "12=2.125", "--dxf-unit", "in"},
                        {"--scale", "685.8,647.7", "--perpendicular", "0", "--frets", "19", "--nut", "44.45",
                         "--width-at", "12=53.975"},
                        {"--version", "AC1009", "--insunits", "1"}};

const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Boards, FretsConsumersTest,
                         ::testing::Values(kNewDesign, kMultiscale, kSlots, kInches, kStrings), kCaseName);
INSTANTIATE_TEST_SUITE_P(Boards, FretsFreeCadTest,
                         ::testing::Values(kNewDesign, kMultiscale, kInches, kStrings), kCaseName);

// The same tiled PDF as the body template's: pages as the tiling predicts, the print-scale note, the
// check square, and the board's black outline at its true size once the tiles are put together.
TEST(FretsPdfTest, TilesTheBoardAtTrueSize) {
  QTemporaryDir dir;
  const QString a4 = dir.filePath("board.pdf");
  ASSERT_EQ(RunCli({"frets", "-o", a4}).exitCode, 0);
  // The drawing runs from the nut to the saddle line (650 mm), from the saddle's top to the numbers
  // under fret 19; the board is fret 20's place long and 52 to 65.70 mm wide.
  const ProcessResult c = RunScript("check_pdf.py", {a4, "--paper", "a4", "--overlap", "10", "--layout-mm",
                                                     "650", "74.41", "--outline-mm", "445.263", "65.700"});
  EXPECT_EQ(c.exitCode, 0) << c.out.toStdString() << c.err.toStdString();

  const QString letter = dir.filePath("fanned.pdf");
  ASSERT_EQ(RunCli({"frets", "--scale", "68.58,64.77", "--perpendicular", "7", "--frets", "24", "--paper",
                    "letter", "--overlap", "20", "-o", letter})
                .exitCode,
            0);
  const ProcessResult f =
      RunScript("check_pdf.py", {letter, "--paper", "letter", "--overlap", "20", "--layout-mm", "685.8", "80",
                                 "--outline-mm", "523.973", "67.281"});
  EXPECT_EQ(f.exitCode, 0) << f.out.toStdString() << f.err.toStdString();
}
