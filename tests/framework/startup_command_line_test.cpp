// The window program's command line, read before any window: what ends at once (help, version,
// usage errors) and what is handed on (the file, Qt's own options).
#include "framework/startup_command_line.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <ostream>

namespace {

using Outcome = StartupCommandLine::Outcome;

struct Row {
  const char* name;
  QStringList args;  // after the program path
  Outcome outcome;
  int exitCode;
  const char* messageStart;  // for PrintAndExit
  QStringList files;
  QStringList guiArguments;  // after the program path
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

const Row kRows[] = {
    {"no argument", {}, Outcome::Run, 0, "", {}, {}},
    {"a file", {"body.vsk"}, Outcome::Run, 0, "", {"body.vsk"}, {}},
    {"help", {"--help"}, Outcome::PrintAndExit, 0, "Usage: ", {}, {}},
    {"h", {"-h"}, Outcome::PrintAndExit, 0, "Usage: ", {}, {}},
    {"help all", {"--help-all"}, Outcome::PrintAndExit, 0, "Usage: ", {}, {}},
    {"help wins over a file", {"body.vsk", "--help"}, Outcome::PrintAndExit, 0, "Usage: ", {}, {}},
    {"version", {"--version"}, Outcome::PrintAndExit, 0, "vesk 9.8.7\n", {}, {}},
    {"v", {"-v"}, Outcome::PrintAndExit, 0, "vesk 9.8.7\n", {}, {}},
    {"unknown option",
     {"--frobnicate"},
     Outcome::PrintAndExit,
     2,
     "vesk: Unknown option 'frobnicate'.",
     {},
     {}},
    {"unknown single dash",
     {"-x", "body.vsk"},
     Outcome::PrintAndExit,
     2,
     "vesk: Unknown option 'x'.",
     {},
     {}},
    {"two files", {"a.vsk", "b.vsk"}, Outcome::PrintAndExit, 2, "vesk: More than one FILE.", {}, {}},
    {"empty name", {""}, Outcome::PrintAndExit, 2, "vesk: Empty FILE name.", {}, {}},
    {"dash name after double dash", {"--", "-name"}, Outcome::Run, 0, "", {"-name"}, {}},
    {"help after double dash is a file", {"--", "--help"}, Outcome::Run, 0, "", {"--help"}, {}},
    {"qt options pass on",
     {"-style", "fusion", "body.vsk", "-platform=offscreen", "-reverse"},
     Outcome::Run,
     0,
     "",
     {"body.vsk"},
     {"-platform", "offscreen", "-style", "fusion", "-reverse"}},
    {"qt option without its value",
     {"-style"},
     Outcome::PrintAndExit,
     2,
     "vesk: Missing value after '-style'.",
     {},
     {}},
};

class StartupCommandLineTest : public ::testing::TestWithParam<Row> {
 protected:
  void SetUp() override {
    name = QCoreApplication::applicationName();
    version = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationName("vesk");
    QCoreApplication::setApplicationVersion("9.8.7");
  }
  void TearDown() override {
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(version);
  }
  QString name, version;
};

TEST_P(StartupCommandLineTest, EndsAtOnceOrHandsOnFilesAndQtOptions) {
  const Row& row = GetParam();
  const StartupCommandLine result =
      ParseStartupCommandLine(QStringList{"/usr/bin/vesk"} + row.args, "Designs bodies.");
  EXPECT_EQ(result.outcome, row.outcome);
  EXPECT_EQ(result.exitCode, row.exitCode);
  if (row.outcome == Outcome::Run) {
    EXPECT_TRUE(result.message.isEmpty()) << result.message.toStdString();
  } else {
    EXPECT_TRUE(result.message.startsWith(row.messageStart)) << result.message.toStdString();
  }
  if (row.exitCode == 2) {
    EXPECT_EQ(result.message.count('\n'), 0) << "a usage error is one line";
    EXPECT_TRUE(result.message.endsWith("Try 'vesk --help'.")) << result.message.toStdString();
  }
  EXPECT_EQ(result.files, row.files);
  if (row.outcome == Outcome::Run) {
    EXPECT_EQ(result.guiArguments, QStringList{"/usr/bin/vesk"} + row.guiArguments);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, StartupCommandLineTest, ::testing::ValuesIn(kRows), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

TEST(StartupCommandLineHelp, NamesTheFileArgumentAndTheDescriptionButNoQtOption) {
  const StartupCommandLine result = ParseStartupCommandLine({"vesk", "--help"}, "Designs bodies.");
  EXPECT_TRUE(result.message.contains("[FILE]"));
  EXPECT_TRUE(result.message.contains("Designs bodies."));
  EXPECT_TRUE(result.message.contains("--version"));
  EXPECT_FALSE(result.message.contains("platform"));
  EXPECT_FALSE(result.message.contains("-style"));
}

}  // namespace
