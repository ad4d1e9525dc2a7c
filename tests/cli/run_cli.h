// Runs the built vesk-cli and collects its exit code and output; a crash or a hang fails the test.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

struct CliResult {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;

  QJsonObject Json() const {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    return doc.object();
  }
  // stderr is exactly one line.
  bool OneErrorLine() const { return err.endsWith('\n') && err.count('\n') == 1; }
};

inline CliResult RunCli(const QStringList& args, const QString& workingDir = QString()) {
  QProcess p;
  if (!workingDir.isEmpty()) p.setWorkingDirectory(workingDir);
  p.start(QStringLiteral(VESK_CLI_PATH), args);
  CliResult r;
  if (!p.waitForFinished(120000)) {
    p.kill();
    p.waitForFinished();
    ADD_FAILURE() << "vesk-cli did not finish: " << args.join(' ').toStdString();
    return r;
  }
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "vesk-cli crashed: " << args.join(' ').toStdString();
  r.exitCode = p.exitCode();
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}
