// vesk-cli's own help and version, every command's --help, and a stderr that carries nothing but
// the program's own messages.
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "run_cli.h"

namespace {

CliResult RunIn(const QProcessEnvironment& env, const QStringList& args) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(VESK_CLI_PATH), args);
  CliResult r;
  if (!p.waitForFinished(60000)) {
    p.kill();
    p.waitForFinished();
    ADD_FAILURE() << "vesk-cli did not finish: " << args.join(' ').toStdString();
    return r;
  }
  r.exitCode = p.exitCode();
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

// The command names, as the general help lists them under "commands:".
QStringList ListedCommands() {
  const CliResult r = RunCli({"help"});
  EXPECT_EQ(r.exitCode, 0);
  QStringList names;
  bool inList = false;
  for (const QByteArray& line : r.out.split('\n')) {
    if (inList && line.startsWith("  ")) names << QString::fromLatin1(line.trimmed().split(' ').first());
    if (line == "commands:") inList = true;
  }
  return names;
}

TEST(CliHelp, VersionPrintsTheProjectVersion) {
  for (const char* option : {"--version", "-v"}) {
    const CliResult r = RunCli({option});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "vesk-cli " VESK_VERSION "\n");
    EXPECT_EQ(r.err, "");
  }
}

TEST(CliHelp, EveryCommandHasAHelpOfItsOwn) {
  const QStringList commands = ListedCommands();
  ASSERT_GE(commands.size(), 6) << "fit, new, info, convert, render, export at least";
  for (const QString& command : commands) {
    SCOPED_TRACE(command.toStdString());
    const CliResult asked = RunCli({"help", command});
    EXPECT_EQ(asked.exitCode, 0);
    EXPECT_TRUE(asked.out.startsWith("Usage: vesk-cli " + command.toLatin1() + " "))
        << asked.out.toStdString();
    EXPECT_TRUE(asked.out.contains("--help"));
    EXPECT_EQ(asked.err, "");
    for (const char* option : {"--help", "-h"}) {
      const CliResult r = RunCli({command, option});
      EXPECT_EQ(r.exitCode, 0);
      EXPECT_EQ(r.out, asked.out);
      EXPECT_EQ(r.err, "");
    }
    // Help wins over what would otherwise be a usage error.
    EXPECT_EQ(RunCli({command, "--no-such-option-but", "--help"}).exitCode, 2);
    EXPECT_EQ(RunCli({command, "extra", "arguments", "--help"}).exitCode, 0);
  }
}

TEST(CliHelp, EveryUsageLineNamesItsArguments) {
  const struct {
    const char* command;
    const char* usage;
  } rows[] = {{"fit", "[options] [FILE]"},   {"new", "[options] -o FILE"},   {"info", "[options] FILE"},
              {"convert", "[options] FILE"}, {"render", "[options] [FILE]"}, {"export", "[options] [FILE]"},
              {"frets", "[options] [FILE]"}};
  for (const auto& row : rows) {
    const CliResult r = RunCli({row.command, "--help"});
    const QByteArray line = QByteArray("Usage: vesk-cli ") + row.command + ' ' + row.usage + '\n';
    EXPECT_TRUE(r.out.startsWith(line)) << r.out.toStdString();
  }
}

// Every fault is one line: the program, the command, what is at fault, and why.
TEST(CliHelp, EveryFaultIsWordedTheSameWay) {
  QTemporaryDir dir;
  const QString missing = dir.filePath("missing.design");
  const QList<QStringList> runs = {{"fit", "--girth", "3"},
                                   {"fit", "--waist"},
                                   {"fit", "--json=yes"},
                                   {"fit", "--waist", "wide"},
                                   {"fit", "a", "b"},
                                   {"fit", missing},
                                   {"info"},
                                   {"convert", missing, "--in-to-cm"},
                                   {"new"},
                                   {"render"},
                                   {"render", "--size", "big", "--layout-json"},
                                   {"export", "-o", dir.filePath("x.svg"), "--unit", "mm"},
                                   {"export"},
                                   {"frets", "--frets", "40"},
                                   {"frets", "--scale", "64,65"},
                                   {"frets", "--json", "--csv"}};
  static const QRegularExpression line(QStringLiteral("^vesk-cli: [a-z]+: [^:]+: [^\\n]+\\n$"));
  for (const QStringList& args : runs) {
    const CliResult r = RunCli(args);
    EXPECT_NE(r.exitCode, 0) << args.join(' ').toStdString();
    EXPECT_TRUE(line.match(QString::fromLocal8Bit(r.err)).hasMatch()) << r.err.toStdString();
  }
}

TEST(CliHelp, HelpForAnUnknownCommandIsAUsageError) {
  const CliResult r = RunCli({"help", "frobnicate"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.OneErrorLine()) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("frobnicate"));
}

// As root without a session, and with no platform named: Qt's notices must not reach stderr.
TEST(CliHelp, PaintingCommandsPrintNoQtNotices) {
  QTemporaryDir dir;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY"})
    env.remove(name);
  const QList<QStringList> runs = {
      {"render", "-o", dir.filePath("design.png")},
      {"render", "--layout-json", "--fingerboard", "--data", "-o", dir.filePath("data.png")},
      {"export", "-o", dir.filePath("design.svg")},
      {"export", "-o", dir.filePath("design.pdf")},
      {"fit", "--json"},
      {"--help"},
  };
  for (const QStringList& args : runs) {
    const CliResult r = RunIn(env, args);
    EXPECT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    // export notes what it left out on stderr, one line each, always prefixed with the program.
    for (const QByteArray& line : r.err.split('\n'))
      EXPECT_TRUE(line.isEmpty() || line.startsWith("vesk-cli: "))
          << args.join(' ').toStdString() << ": " << line.toStdString();
  }
}

}  // namespace
