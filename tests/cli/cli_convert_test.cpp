// vesk-cli convert: the converted bytes, in place or to OUT, and failures that write nothing and
// leave FILE byte for byte.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstring>

#include "common/design_bytes.h"
#include "common/test_files.h"
#include "run_cli.h"

namespace {

QString Fixture(const char* name) {
  return QStringLiteral(VESK_TEST_DATA_DIR "/") + name;
}

// The soundhole fixture's values times 2.54, as IEEE doubles (worked out with Python).
designbytes::Record SoundholeFixtureInCm() {
  designbytes::Record r;
  const double shape[8] = {123.19, 38.735, 26.67, 30.48, 0.3175, -0.9525, 0.15875, -1.11125};
  const double block[6] = {162.56, 21.59, 36.83, 12.7, 15.24, 16.51};
  for (int i = 0; i < 8; ++i) r.shape[i] = shape[i];
  for (int i = 0; i < 6; ++i) r.block[i] = block[i];
  r.holeDefined = 1;
  r.jointFret = 14;
  return r;
}

double DoubleAt(const QByteArray& bytes, int offset) {
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + i]);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

class CliConvert : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = dir.filePath("design");
    original = testfiles::ReadBytes(Fixture("soundhole_design.bin"));
    ASSERT_TRUE(testfiles::WriteBytes(file, original));
  }
  QTemporaryDir dir;
  QString file;
  QByteArray original;
};

}  // namespace

TEST_F(CliConvert, InToCmToOutConvertsEveryLengthAndLeavesFile) {
  const QString out = dir.filePath("cm");
  const CliResult r = RunCli({"convert", file, "--in-to-cm", "-o", out});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(testfiles::ReadBytes(out), designbytes::Bytes(SoundholeFixtureInCm()));
  EXPECT_EQ(testfiles::ReadBytes(file), original);
}

TEST_F(CliConvert, InPlaceThereAndBackGivesTheValuesBackButPerhapsTheLastBits) {
  ASSERT_EQ(RunCli({"convert", file, "--in-to-cm"}).exitCode, 0);
  EXPECT_EQ(testfiles::ReadBytes(file), designbytes::Bytes(SoundholeFixtureInCm()));
  ASSERT_EQ(RunCli({"convert", file, "--cm-to-in"}).exitCode, 0);
  const QByteArray back = testfiles::ReadBytes(file);
  ASSERT_EQ(back.size(), 120);
  for (int offset : {0, 8, 16, 24, 32, 40, 48, 56, 68, 76, 84, 92, 100, 108})
    EXPECT_DOUBLE_EQ(DoubleAt(back, offset), DoubleAt(original, offset)) << "offset " << offset;
  EXPECT_EQ(back.mid(64, 4), original.mid(64, 4));
  EXPECT_EQ(back.right(4), original.right(4));
}

TEST_F(CliConvert, DesignWithoutSoundholeStaysSixtyEightBytes) {
  const QString out = dir.filePath("cm");
  ASSERT_EQ(RunCli({"convert", Fixture("new_design.bin"), "--in-to-cm", "-o", out}).exitCode, 0);
  designbytes::Record r;
  const double cm[8] = {124.46000000000001, 46.99, 30.48, 35.56, 0.0, -0.635, 0.0, -1.27};
  for (int i = 0; i < 8; ++i) r.shape[i] = cm[i];
  EXPECT_EQ(testfiles::ReadBytes(out), designbytes::Bytes(r));
}

TEST_F(CliConvert, IncompleteFileWritesNothingAndStaysByteForByte) {
  const QByteArray cut = original.left(100);
  ASSERT_TRUE(testfiles::WriteBytes(file, cut));
  const QString out = dir.filePath("out");
  for (const QStringList& args :
       {QStringList{"convert", file, "--in-to-cm"}, QStringList{"convert", file, "--cm-to-in", "-o", out}}) {
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.OneErrorLine());
    EXPECT_TRUE(r.err.contains((file + ": is not a complete design").toUtf8())) << r.err.toStdString();
  }
  EXPECT_EQ(testfiles::ReadBytes(file), cut);
  EXPECT_EQ(testfiles::Entries(dir.path()), QStringList{"design"});
}

TEST_F(CliConvert, UnwritableOutExitsThreeAndLeavesFile) {
  const QString out = dir.filePath("no folder/out");
  const CliResult r = RunCli({"convert", file, "--in-to-cm", "-o", out});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.OneErrorLine());
  EXPECT_TRUE(r.err.contains((out + ": cannot be written: ").toUtf8())) << r.err.toStdString();
  EXPECT_EQ(testfiles::ReadBytes(file), original);
  EXPECT_EQ(testfiles::Entries(dir.path()), QStringList{"design"});
}

TEST_F(CliConvert, MissingFileExitsThreeAndCreatesNothing) {
  const QString absent = dir.filePath("absent");
  const CliResult r = RunCli({"convert", absent, "--in-to-cm", "-o", dir.filePath("out")});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.contains((absent + ": cannot be read: ").toUtf8()));
  EXPECT_EQ(testfiles::Entries(dir.path()), QStringList{"design"});
}

TEST_F(CliConvert, DesignThatDoesNotFitIsStillConvertedAndExitsOne) {
  designbytes::Record r;
  r.shape[2] = 20.0;  // waist wider than both bouts
  ASSERT_TRUE(testfiles::WriteBytes(file, designbytes::Bytes(r)));
  EXPECT_EQ(RunCli({"convert", file, "--in-to-cm"}).exitCode, 1);
  EXPECT_EQ(testfiles::ReadBytes(file).mid(16, 8), QByteArray::fromHex("6666666666664940"));  // 50.8
}

TEST_F(CliConvert, DirectionMustBeGivenExactlyOnce) {
  for (const QStringList& args :
       {QStringList{"convert", file}, QStringList{"convert", file, "--in-to-cm", "--cm-to-in"},
        QStringList{"convert", "--in-to-cm"}}) {
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.OneErrorLine());
  }
  EXPECT_EQ(testfiles::ReadBytes(file), original);
}
