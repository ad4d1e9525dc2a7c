// vesk-cli export on bad input: one line, the right exit code, and no file left behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/test_files.h"
#include "document/veskdoc.h"
#include "export_test_support.h"

namespace {

class ExportCliTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QStringList Files() const {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
  }

  // Runs export and expects the exit code and exactly one message line.
  void ExpectOneLine(const QStringList& args, int code, const QString& part) {
    const ProcessResult r = RunCli(QStringList{"export"} + args);
    EXPECT_EQ(r.exitCode, code) << args.join(' ').toStdString() << "\n" << r.err.toStdString();
    const QStringList lines = ErrorLines(r);
    EXPECT_EQ(lines.size(), 1) << r.err.toStdString();
    EXPECT_TRUE(lines.value(0).contains(part)) << lines.value(0).toStdString();
  }

  QTemporaryDir dir;
};

}  // namespace

TEST_F(ExportCliTest, BadOptionsAreUsageErrors) {
  const QString out = Path("t.svg");
  ExpectOneLine({}, 2, "-o OUT");
  ExpectOneLine({"-o", out, "--format", "png"}, 2, "export: --format: unknown format 'png'");
  ExpectOneLine({"-o", Path("t.png")}, 2, "cannot tell the format");
  ExpectOneLine({"-o", Path("t")}, 2, "cannot tell the format");
  ExpectOneLine({"-o", out, "--unit", "mm"}, 2, "unknown unit 'mm'");
  ExpectOneLine({"-o", out, "--paper", "a3"}, 2, "unknown paper 'a3'");
  ExpectOneLine({"-o", out, "--dxf-version", "14"}, 2, "unknown DXF version");
  ExpectOneLine({"-o", out, "--dxf-unit", "cm"}, 2, "unknown DXF unit 'cm'");
  ExpectOneLine({"-o", out, "--half", "--whole"}, 2, "exclude");
  ExpectOneLine({"-o", out, "--soundhole", "--no-soundhole"}, 2, "exclude");
  for (const char* overlap : {"abc", "nan", "inf", "-5", "95", "1e300"})
    ExpectOneLine({"-o", out, "--overlap", overlap}, 2, "overlap");
  ExpectOneLine({"-o", out, "a", "b"}, 2, "export: 'b': unexpected argument");
  ExpectOneLine({"-o", out, "--colour", "red"}, 2, "export: --colour: unknown option");
  ExpectOneLine({"-o", out, "--parts", "soundhole", "--no-soundhole"}, 2, "nothing of its drawing");
  ExpectOneLine({"-o", out, "--parts", "frets,check"}, 2, "it has no frets (it can hold outline, centreline");
  EXPECT_TRUE(Files().isEmpty()) << Files().join(' ').toStdString();
}

TEST_F(ExportCliTest, BadPartsAndOffsetsAreUsageErrorsAndWriteNothing) {
  struct Bad {
    QStringList args;
    const char* part;  // of the one message line
  };
  const Bad bad[] = {
      {{"--parts", "outline,mould"}, "unknown part 'mould'"},
      {{"--parts", ""}, "unknown part ''"},
      {{"--offset", "MOULD"}, "give NAME=MM"},
      {{"--offset", "MOULD=wide"}, "--offset MOULD: 'wide' is not a length"},
      {{"--offset", "=20"}, "give NAME=MM"},
      {{"--offset", "MOULD=nan"}, "is not a length"},
      {{"--offset", "MOULD=inf"}, "is not a length"},
      {{"--offset", "MOULD=39.4in"}, "from -1000 to 1000"},
      {{"--offset", "MOULD=1000.001"}, "from -1000 to 1000"},
      {{"--offset", "MOULD=-1e300"}, "from -1000 to 1000"},
      {{"--offset", "MOULD=20", "--offset", "mould=30"}, "two offsets are named 'mould'"},
      {{"--offset", "FRETS=5"}, "is a layer of the template already"},
      {{"--offset", "MY MOULD=5"}, "letters, digits"},
      {{"--offset", "DEEP=-200"}, "smallest radius of curvature on a convex stretch is 81.55 mm"},
      {{"--offset", "WIDE=300"}, "smallest radius of curvature on the concave waist is"},
  };
  for (const char* format : {"svg", "dxf", "pdf"})
    for (const Bad& b : bad)
      ExpectOneLine(QStringList{"-o", Path("t"), "--format", format} + b.args, 2, b.part);
  EXPECT_TRUE(Files().isEmpty()) << Files().join(' ').toStdString();
}

TEST_F(ExportCliTest, DesignThatDoesNotFitGivesOneLineAndKeepsTheOldFile) {
  const QString design = Path("flat.vesk");
  SaveDesign(design, [](CVeskDoc& d) { d.m_lowerBout = d.m_waist = d.m_upperBout = 0.0; });
  const QString out = Path("t.dxf");
  ASSERT_TRUE(QFile(out).open(QIODevice::WriteOnly));
  for (const char* format : {"svg", "dxf", "pdf"}) {
    const ProcessResult r = RunCli({"export", design, "-o", out, "--format", format});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(ErrorLines(r),
              QStringList{"vesk-cli: export: the design does not fit: the length and the three "
                          "widths must be greater than 0: Matrix error"})
        << r.err.toStdString();
  }
  EXPECT_EQ(QFile(out).size(), 0);
  EXPECT_EQ(Files(), (QStringList{"flat.vesk", "t.dxf"}));
}

TEST_F(ExportCliTest, AbsurdSizesAreRefused) {
  // Every length times 20.4: a body 10 m long, which no one prints on 1596 A4 pages.
  const QString big = Path("big.vesk");
  SaveDesign(big, [](CVeskDoc& d) {
    for (double* v : {&d.m_length, &d.m_lowerBout, &d.m_waist, &d.m_upperBout, &d.m_a4, &d.m_a6}) *v *= 20.4;
  });
  ExpectOneLine({big, "-o", Path("big.pdf")}, 2, "pages");

  const QString huge = Path("huge.vesk");
  SaveDesign(huge, [](CVeskDoc& d) {
    for (double* v : {&d.m_length, &d.m_lowerBout, &d.m_waist, &d.m_upperBout, &d.m_a4, &d.m_a6}) *v *= 1e6;
  });
  ExpectOneLine({huge, "-o", Path("huge.dxf")}, 2, "100 m");

  const QString nanHole = Path("nanhole.vesk");
  SaveDesign(nanHole, [](CVeskDoc& d) {
    AddSoundhole(d);
    d.m_holeDiameter = NAN;
  });
  ExpectOneLine({nanHole, "-o", Path("nanhole.svg")}, 2, "not a finite number");
  EXPECT_EQ(RunCli({"export", nanHole, "--no-soundhole", "-o", Path("nohole.svg")}).exitCode, 0);
  EXPECT_EQ(Files(), (QStringList{"big.vesk", "huge.vesk", "nanhole.vesk", "nohole.svg"}));
}

TEST_F(ExportCliTest, UnwritableOutputAndUnreadableInputAreFileErrors) {
  ExpectOneLine({"-o", Path("no/such/folder/t.svg")}, 3, "t.svg: cannot be written");
  ExpectOneLine({"-o", dir.path() + "/", "--format", "pdf"}, 3, "folder");
  ExpectOneLine({Path("missing.vesk"), "-o", Path("t.svg")}, 3, "missing.vesk");
  EXPECT_FALSE(QFile::exists(Path("t.svg")));
}

TEST_F(ExportCliTest, ReadOnlyOutputFolderIsAFileError) {
  if (!testfiles::PermissionsAreEnforced()) GTEST_SKIP() << testfiles::kNeedsPermissions;
  const QString locked = Path("locked");
  ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
  QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  ExpectOneLine({"-o", locked + "/t.dxf"}, 3, "cannot be written");
  EXPECT_TRUE(QDir(locked).isEmpty());
  QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(ExportCliTest, FormatFromTheExtensionAndNotesForWhatIsLeftOut) {
  const ProcessResult r = RunCli({"export", "-o", Path("T.SVG"), "--fingerboard"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains(QStringLiteral("SVG")));
  ASSERT_EQ(ErrorLines(r).size(), 1);
  EXPECT_TRUE(ErrorLines(r)[0].contains(QStringLiteral("no fingerboard drawn")));
  QFile svg(Path("T.SVG"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));
}

// Without a file, --unit in draws the new design converted to inches: the same body, not a 49 in one.
TEST_F(ExportCliTest, ANewDesignInInchesIsTheSameBody) {
  // 49 cm of body and 5 mm either side: 50 cm, or 19.685039 in on the sheet's millionth-inch grid.
  const struct {
    const char* unit;
    const char* width;
  } units[] = {{"cm", "width=\"50cm\""}, {"in", "width=\"19.685039in\""}};
  for (const auto& u : units) {
    const QString out = Path("new.svg");
    ASSERT_EQ(RunCli({"export", "--unit", u.unit, "-o", out}).exitCode, 0);
    QFile svg(out);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray root = svg.read(400);
    EXPECT_TRUE(root.contains(u.width)) << root.toStdString();
  }
}
