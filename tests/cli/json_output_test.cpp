// The JSON writer, read back by Python's json module: members in the order they were built, strings
// as strings whatever they contain, every number the same double bit for bit (-0.0 included) and
// non-finite ones as null; and vesk-cli info --json on a file whose name looks like a number.
#include "cli/json_output.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "common/design_bytes.h"
#include "common/test_files.h"
#include "run_cli.h"

namespace {

struct Leaf {
  QString path;
  QString kind;  // null, bool, int, float, str
  QString value;
};

// Every value of the JSON text as Python's json module reads it, in document order.
std::vector<Leaf> ReadWithPython(const QString& text) {
  QProcess p;
  p.start(QStringLiteral(VESK_PYTHON3), {QStringLiteral(VESK_CLI_TEST_DIR "/json_leaves.py")});
  p.write(text.toUtf8());
  p.closeWriteChannel();
  std::vector<Leaf> leaves;
  if (!p.waitForFinished(60000) || p.exitCode() != 0) {
    ADD_FAILURE() << "Python could not read the JSON: " << p.readAllStandardError().toStdString() << "\n"
                  << text.toStdString();
    return leaves;
  }
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
    const QStringList parts = line.split('\t');
    if (parts.size() == 3) leaves.push_back({parts[0], parts[1], parts[2]});
  }
  return leaves;
}

QString Hex(double d) {
  return QStringLiteral("%1").arg(designbytes::Bits(d), 16, 16, QLatin1Char('0'));
}
QString Utf8Hex(const QString& s) {
  return QString::fromLatin1(s.toUtf8().toHex());
}

QStringList Paths(const std::vector<Leaf>& leaves, const QString& under) {
  QStringList paths;
  for (const Leaf& l : leaves)
    if (l.path.startsWith(under)) paths << l.path.mid(under.size());
  return paths;
}

const Leaf* Find(const std::vector<Leaf>& leaves, const QString& path) {
  for (const Leaf& l : leaves)
    if (l.path == path) return &l;
  return nullptr;
}

// The doubles most likely to lose a bit or their sign on the way.
std::vector<double> AwkwardDoubles() {
  std::vector<double> values = {0.0,
                                -0.0,
                                1.0,
                                -1.0,
                                0.1,
                                65.0,
                                48.5,
                                1e21,
                                1e22,
                                1e-7,
                                100000.0,
                                123456.0,
                                5e-324,
                                DBL_MIN,
                                -DBL_MIN,
                                DBL_MAX,
                                -DBL_MAX,
                                1.0 / 3,
                                2.54,
                                9007199254740993.0,
                                12345678901234567890.0,
                                -9.223372036854775808e18};
  std::mt19937_64 random(8);
  while (values.size() < 2000) {
    const uint64_t bits = random();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) values.push_back(d);
  }
  return values;
}

}  // namespace

TEST(JsonOutput, NumbersReadBackBitForBitAndNonFiniteAsNull) {
  const std::vector<double> values = AwkwardDoubles();
  cli::JsonArray numbers(values.begin(), values.end());
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const std::vector<Leaf> leaves = ReadWithPython(
      cli::JsonText({{"numbers", numbers}, {"nan", nan}, {"inf", inf}, {"minusInf", -inf}, {"int", 42}}));
  ASSERT_EQ(leaves.size(), values.size() + 4);
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(leaves[i].value, Hex(values[i])) << "numbers/" << i << " " << values[i];
    // A number, never a string in disguise.
    EXPECT_TRUE(leaves[i].kind == "float" || leaves[i].kind == "int") << leaves[i].kind.toStdString();
  }
  EXPECT_EQ(leaves[1].kind, "float") << "-0.0 must stay a double, not the integer 0";
  for (std::size_t i = values.size(); i < values.size() + 3; ++i) EXPECT_EQ(leaves[i].kind, "null");
  EXPECT_EQ(leaves.back().kind, "int");
  EXPECT_EQ(leaves.back().value, Hex(42.0));
}

TEST(JsonOutput, StringsStayStringsWhateverTheyContain) {
  const QStringList texts = {QStringLiteral("\uE000-0.0"),
                             "-0.0",
                             "null",
                             "1e5",
                             "true",
                             "",
                             "\"quoted\" \\ back",
                             QStringLiteral("tab\tnew\nline\r\x01\x1f"),
                             QStringLiteral("caf\u00e9 \U0001D11E")};
  cli::JsonObject object;
  for (int i = 0; i < texts.size(); ++i) object.push_back({QStringLiteral("s%1").arg(i), texts[i]});
  object.push_back({"pointer", "a char pointer is text"});
  const std::vector<Leaf> leaves = ReadWithPython(cli::JsonText(object));
  ASSERT_EQ(leaves.size(), static_cast<std::size_t>(texts.size()) + 1);
  for (int i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(leaves[i].kind, "str") << texts[i].toStdString();
    EXPECT_EQ(leaves[i].value, Utf8Hex(texts[i])) << texts[i].toStdString();
  }
  EXPECT_EQ(leaves.back().kind, "str");
}

TEST(JsonOutput, MembersKeepTheOrderTheyWereBuiltIn) {
  const cli::JsonObject nested{{"z", 1}, {"a", 2}};
  const std::vector<Leaf> leaves = ReadWithPython(cli::JsonText({{"zeta", 1},
                                                                 {"alpha", true},
                                                                 {"mid", nested},
                                                                 {"empty", cli::JsonObject{}},
                                                                 {"list", cli::JsonArray{}},
                                                                 {"beta", cli::JsonValue()}}));
  EXPECT_EQ(Paths(leaves, ""), QStringList({"/zeta", "/alpha", "/mid/z", "/mid/a", "/beta"}));
}

TEST(JsonOutput, TheLayoutIsTwoSpacesALevel) {
  EXPECT_EQ(
      cli::JsonText(
          {{"a", 1}, {"b", cli::JsonArray{0.5, cli::JsonObject{{"c", false}}}}, {"d", cli::JsonArray{}}}),
      "{\n  \"a\": 1,\n  \"b\": [\n    0.5,\n    {\n      \"c\": false\n    }\n  ],\n  \"d\": []\n}\n");
  EXPECT_EQ(cli::JsonText({}), "{}\n");
}

class InfoJson : public ::testing::Test {
 protected:
  QTemporaryDir dir;
};

// A file name that the old writer mistook for its marker of -0.0, and a design whose fields are the
// awkward doubles: the name stays the name, the keys come in the documented order, and every field
// reads back as the bits in the file.
TEST_F(InfoJson, TheFileNameStaysAStringAndTheFieldsReadBackInOrder) {
  designbytes::Record record;
  record.holeDefined = 1;
  const double fields[8] = {49.0, 18.5, 12.0, 14.0, -0.0, 5e-324, 12345678901234567890.0, -0.5};
  std::copy(std::begin(fields), std::end(fields), record.shape);
  record.block[2] = 1.0 / 3.0;  // the soundhole's position
  const QString path = dir.filePath(QStringLiteral("\uE000-0.0"));
  ASSERT_TRUE(testfiles::WriteBytes(path, designbytes::Bytes(record)));

  const CliResult r = RunCli({"info", path, "--json"});
  ASSERT_TRUE(r.exitCode == 0 || r.exitCode == 1) << r.err.toStdString();
  const std::vector<Leaf> leaves = ReadWithPython(QString::fromUtf8(r.out));
  ASSERT_FALSE(leaves.empty());
  EXPECT_EQ(leaves[0].path, "/file");
  EXPECT_EQ(leaves[0].kind, "str");
  EXPECT_EQ(leaves[0].value, Utf8Hex(path));
  EXPECT_EQ(leaves[1].path, "/size");
  EXPECT_EQ(Paths(leaves, "/document/"),
            QStringList({"length", "lowerBout", "waist", "upperBout", "a3", "a4", "a5", "a6", "holeDiameter",
                         "holePosition", "scaleLength", "nutWidth", "fret12Width", "fret19Width", "fitValid",
                         "holeDefined", "jointFret"}));
  const char* shapeKeys[8] = {"length", "lowerBout", "waist", "upperBout", "a3", "a4", "a5", "a6"};
  for (int i = 0; i < 8; ++i) {
    const Leaf* leaf = Find(leaves, QStringLiteral("/document/") + shapeKeys[i]);
    ASSERT_NE(leaf, nullptr) << shapeKeys[i];
    EXPECT_EQ(leaf->value, Hex(fields[i])) << shapeKeys[i];
  }
  ASSERT_NE(Find(leaves, "/document/holePosition"), nullptr);
  EXPECT_EQ(Find(leaves, "/document/holePosition")->value, Hex(1.0 / 3.0));
  EXPECT_EQ(Find(leaves, "/document/a3")->kind, "float");

  // The fit's members in the order the README describes them.
  QStringList fitKeys;
  for (const QString& p : Paths(leaves, "/fit/")) {
    const QString key = p.section('/', 0, 0);
    if (fitKeys.isEmpty() || fitKeys.back() != key) fitKeys << key;
  }
  EXPECT_EQ(fitKeys, QStringList({"result", "fitValid", "errorText", "passes", "coeff", "verticalScale",
                                  "extrema", "sideLength", "length"}));
}

TEST_F(InfoJson, TheTextReportKeepsTheSignOfZero) {
  designbytes::Record record;
  record.shape[4] = -0.0;  // a3
  const QString path = dir.filePath("design");
  ASSERT_TRUE(testfiles::WriteBytes(path, designbytes::Bytes(record)));
  const CliResult r = RunCli({"info", path});
  EXPECT_TRUE(r.out.contains("\na3 = -0\n")) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains("\na5 = 0\n")) << r.out.toStdString();
}

TEST(RenderLayoutJson, KeysInTheDocumentedOrder) {
  const std::vector<Leaf> leaves = ReadWithPython(QString::fromUtf8(RunCli({"render", "--layout-json"}).out));
  EXPECT_EQ(Paths(leaves, ""), QStringList({"/scale", "/offsetX", "/offsetY", "/angleStep", "/fitValid"}));
}
