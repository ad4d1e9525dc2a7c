// The built vesk run as a user types it: --help, --version and usage errors end at once with no
// display; a file whose name starts with a dash opens after "--".
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

struct VeskRun {
  int exitCode = -1;
  QByteArray out, err;
};

// No display of any kind: a program that reached for one would abort.
QProcessEnvironment Headless() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  return env;
}

VeskRun RunVesk(const QStringList& args, const QProcessEnvironment& env = Headless(),
                const QString& cwd = {}) {
  QProcess p;
  p.setProcessEnvironment(env);
  if (!cwd.isEmpty()) p.setWorkingDirectory(cwd);
  p.start(QStringLiteral(VESK_PATH), args);
  VeskRun r;
  if (!p.waitForFinished(20000)) {
    p.kill();
    p.waitForFinished();
    ADD_FAILURE() << "vesk did not end: " << args.join(' ').toStdString();
    return r;
  }
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << args.join(' ').toStdString();
  r.exitCode = p.exitCode();
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

TEST(VeskCommandLine, HelpPrintsUsageAndEndsWithoutADisplay) {
  for (const char* option : {"--help", "-h"}) {
    const VeskRun r = RunVesk({option});
    EXPECT_EQ(r.exitCode, 0) << option;
    EXPECT_TRUE(r.out.contains("Usage: ")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("[FILE]"));
    EXPECT_TRUE(r.out.contains("guitar body"));
    EXPECT_EQ(r.err, "");
  }
}

TEST(VeskCommandLine, VersionPrintsTheVersionBlocksNumber) {
  for (const char* option : {"--version", "-v"}) {
    const VeskRun r = RunVesk({option});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "vesk " VESK_VERSION "\n");
    EXPECT_EQ(r.err, "");
  }
}

TEST(VeskCommandLine, UsageErrorsAreOneLineOnStderrAndExitCode2) {
  for (const QStringList& args : {QStringList{"--frobnicate"}, QStringList{"-x", "a.vsk"},
                                  QStringList{"a.vsk", "b.vsk"}, QStringList{""}}) {
    const VeskRun r = RunVesk(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.startsWith("vesk: ")) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  }
}

// The window opens on the file and the program ends after its first paint.
TEST(VeskCommandLine, DoubleDashOpensAFileWhoseNameStartsWithADash) {
  QTemporaryDir dir;
  QFile file(dir.filePath("-name"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  out.setFloatingPointPrecision(QDataStream::DoublePrecision);
  for (double v : {49.0, 18.5, 12.0, 14.0, 0.0, -0.25, 0.0, -0.5}) out << v;
  out << qint32(0);
  file.close();
  QProcessEnvironment env = Headless();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("VESK_EXIT_AFTER_FIRST_PAINT", "1");
  const VeskRun r = RunVesk({"--", "-name"}, env, dir.path());
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_FALSE(r.err.contains("Unknown option")) << r.err.toStdString();
}

}  // namespace
