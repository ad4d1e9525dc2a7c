// vesk-cli new and info: the bytes a new design is saved as, every field and the fit of a saved
// design, and files that cannot be opened.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>
#include <limits>

#include "common/design_bytes.h"
#include "common/test_files.h"
#include "run_cli.h"

namespace {

QString Fixture(const char* name) {
  return QStringLiteral(VESK_TEST_DATA_DIR "/") + name;
}

class CliFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(testfiles::WriteBytes(path, bytes));
    return path;
  }
  // Exit 3, nothing on stdout, one line on stderr naming the file and the cause.
  void ExpectFileError(const QStringList& args, const QString& file, const char* cause) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.OneErrorLine()) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains((file + ": " + cause).toUtf8())) << r.err.toStdString();
  }
  QTemporaryDir dir;
};

const QStringList kDocumentKeys = {"length",      "lowerBout", "waist",       "upperBout",    "a3",
                                   "a4",          "a5",        "a6",          "holeDiameter", "holePosition",
                                   "scaleLength", "nutWidth",  "fret12Width", "fret19Width",  "fitValid",
                                   "holeDefined", "jointFret"};

QStringList Sorted(QStringList keys) {
  keys.sort();
  return keys;
}

}  // namespace

TEST_F(CliFiles, NewWritesTheSixtyEightBytesOfANewDesign) {
  const QString path = dir.filePath("x");
  const CliResult r = RunCli({"new", "-o", path});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty());
  EXPECT_EQ(testfiles::ReadBytes(path), testfiles::ReadBytes(Fixture("new_design.bin")));
  EXPECT_EQ(testfiles::ReadBytes(path), designbytes::Bytes(designbytes::Record{}));
}

TEST_F(CliFiles, NewReplacesAnExistingFile) {
  const QString path = Write("x", QByteArray(500, 'z'));
  EXPECT_EQ(RunCli({"new", "-o", path}).exitCode, 0);
  EXPECT_EQ(testfiles::ReadBytes(path).size(), 68);
}

TEST_F(CliFiles, NewIntoAMissingFolderWritesNothing) {
  const QString path = dir.filePath("no folder/x");
  ExpectFileError({"new", "-o", path}, path, "cannot be written: ");
  EXPECT_TRUE(testfiles::Entries(dir.path()).isEmpty());
}

TEST_F(CliFiles, NewWithoutOutputIsAUsageError) {
  const CliResult r = RunCli({"new"}, dir.path());
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.OneErrorLine());
  EXPECT_TRUE(testfiles::Entries(dir.path()).isEmpty());
}

TEST_F(CliFiles, InfoJsonHasEveryFieldOfTheFileAndTheFitThatLoadingRan) {
  const QString path = Fixture("soundhole_design.bin");
  const CliResult r = RunCli({"info", path, "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonObject info = r.Json();
  EXPECT_EQ(Sorted(info.keys()), Sorted({"file", "size", "document", "fit"}));
  EXPECT_EQ(info["file"].toString(), path);
  EXPECT_EQ(info["size"].toInt(), 120);

  const QJsonObject d = info["document"].toObject();
  EXPECT_EQ(Sorted(d.keys()), Sorted(kDocumentKeys));
  // The values tests/data/README.md lists for this file.
  const std::pair<const char*, double> expected[] = {
      {"length", 48.5},      {"lowerBout", 15.25},   {"waist", 10.5},       {"upperBout", 12.0},
      {"a3", 0.125},         {"a4", -0.375},         {"a5", 0.0625},        {"a6", -0.4375},
      {"holeDiameter", 8.5}, {"holePosition", 14.5}, {"scaleLength", 64.0}, {"nutWidth", 5.0},
      {"fret12Width", 6.0},  {"fret19Width", 6.5},   {"fitValid", 1},       {"holeDefined", 1},
      {"jointFret", 14}};
  for (const auto& [key, value] : expected) EXPECT_EQ(d[key].toDouble(), value) << key;

  const CliResult fit = RunCli({"fit", path, "--json"});
  EXPECT_EQ(info["fit"].toObject(), fit.Json());
  EXPECT_EQ(info["fit"]["result"].toInt(-9), 0);
}

TEST_F(CliFiles, InfoTextNamesEveryField) {
  const CliResult r = RunCli({"info", Fixture("soundhole_design.bin")});
  ASSERT_EQ(r.exitCode, 0);
  for (const QString& key : kDocumentKeys)
    EXPECT_TRUE(r.out.contains((key + " = ").toUtf8())) << key.toStdString();
  EXPECT_TRUE(r.out.contains("jointFret = 14\n"));
}

TEST_F(CliFiles, InfoReadsOnlyTheSixtyEightBytesOfAFileWithItsFlagClear) {
  const CliResult r = RunCli({"info", Fixture("flag_clear_120.bin"), "--json"});
  ASSERT_EQ(r.exitCode, 0);
  const QJsonObject info = r.Json();
  EXPECT_EQ(info["size"].toInt(), 68);
  EXPECT_EQ(info["document"]["holeDefined"].toInt(-9), 0);
  EXPECT_EQ(info["document"]["scaleLength"].toDouble(), 65.0);  // the new-design value, not the file's 64
}

TEST_F(CliFiles, InfoOfADesignThatDoesNotFitExitsOne) {
  designbytes::Record rec;
  rec.shape[2] = 20.0;  // a waist wider than both bouts: loads, does not fit
  const CliResult r = RunCli({"info", Write("wide", designbytes::Bytes(rec)), "--json"});
  EXPECT_EQ(r.exitCode, 1);
  const QJsonObject info = r.Json();
  EXPECT_EQ(info["document"]["fitValid"].toInt(-9), 0);
  EXPECT_EQ(info["fit"]["result"].toInt(-9), -1);
  EXPECT_EQ(info["document"]["waist"].toDouble(), 20.0);
}

TEST_F(CliFiles, InfoPrintsNonFiniteFieldsAsNullAndAnyIntAsItIs) {
  designbytes::Record rec;
  rec.shape[0] = std::numeric_limits<double>::quiet_NaN();
  rec.shape[3] = -std::numeric_limits<double>::infinity();
  rec.block[5] = std::numeric_limits<double>::infinity();
  rec.block[1] = std::numeric_limits<double>::denorm_min();
  rec.holeDefined = std::numeric_limits<int32_t>::min();
  rec.jointFret = std::numeric_limits<int32_t>::max();
  const CliResult r = RunCli({"info", Write("odd", designbytes::Bytes(rec)), "--json"});
  EXPECT_EQ(r.exitCode, 1);
  const QJsonObject d = r.Json()["document"].toObject();
  EXPECT_TRUE(d["length"].isNull());
  EXPECT_TRUE(d["upperBout"].isNull());
  EXPECT_TRUE(d["fret19Width"].isNull());
  EXPECT_EQ(d["holeDiameter"].toDouble(), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(d["holeDefined"].toDouble(), -2147483648.0);
  EXPECT_EQ(d["jointFret"].toDouble(), 2147483647.0);
  EXPECT_FALSE(r.out.contains("nan"));
  EXPECT_FALSE(r.out.contains("inf"));
}

TEST_F(CliFiles, InfoOfFilesThatAreNotDesignsExitsThree) {
  ExpectFileError({"info", dir.filePath("absent")}, dir.filePath("absent"), "cannot be read: ");
  ExpectFileError({"info", dir.path(), "--json"}, dir.path(), "cannot be read: ");
  ExpectFileError({"info", Write("empty", {})}, dir.filePath("empty"), "is not a complete design");
  const QByteArray full = testfiles::ReadBytes(Fixture("soundhole_design.bin"));
  ExpectFileError({"info", Write("short", full.left(40))}, dir.filePath("short"), "is not a complete design");
  // 68 bytes whose flag says a soundhole block follows.
  ExpectFileError({"info", Write("cut", full.left(68)), "--json"}, dir.filePath("cut"),
                  "is not a complete design (too short for its soundhole flag");
  ExpectFileError({"fit", dir.filePath("cut")}, dir.filePath("cut"), "is not a complete design");
}

TEST_F(CliFiles, InfoWithoutOrWithTwoFilesIsAUsageError) {
  EXPECT_EQ(RunCli({"info"}).exitCode, 2);
  EXPECT_EQ(RunCli({"info", Fixture("new_design.bin"), Fixture("new_design.bin")}).exitCode, 2);
}
