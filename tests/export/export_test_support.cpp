// Processes and design files for the export tests.
#include "export_test_support.h"

#include <gtest/gtest.h>

#include <QProcess>

#include "document/veskdoc.h"

namespace {

ProcessResult Run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  ProcessResult r;
  if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) {
    r.err = QStringLiteral("did not finish: ") + program;
    return r;
  }
  r.exitCode = p.exitCode();
  r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
  r.err = QString::fromLocal8Bit(p.readAllStandardError());
  return r;
}

}  // namespace

ProcessResult RunCli(const QStringList& args) {
  return Run(QStringLiteral(VESK_CLI_PATH), args);
}

ProcessResult RunScript(const QString& script, const QStringList& args) {
  return Run(QStringLiteral(VESK_PYTHON3),
             QStringList{QStringLiteral(VESK_EXPORT_SCRIPTS "/") + script} + args);
}

void SaveDesign(const QString& path, const std::function<void(CVeskDoc&)>& edit) {
  CVeskDoc doc;
  doc.OnNewDocument();
  edit(doc);
  QString error;
  ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
}

void AddSoundhole(CVeskDoc& doc) {
  doc.m_holeDefined = 1;
  doc.m_scaleLength = 65.0;
  doc.m_holeDiameter = 8.8;
  doc.m_holePosition = 14.0;
  doc.m_nutWidth = 5.2;
  doc.m_fret12Width = 6.2;
  doc.m_jointFret = 12;
}

QStringList ErrorLines(const ProcessResult& r) {
  QStringList lines;
  for (const QString& line : r.err.split('\n', Qt::SkipEmptyParts))
    if (!line.startsWith(QLatin1String("QStandardPaths:"))) lines << line;
  return lines;
}
