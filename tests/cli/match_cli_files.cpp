// The stations come from the geometry's own fitted outline; the traces from ezdxf run by Python.
#include "match_cli_files.h"

#include <QFile>
#include <QProcess>

#include "geometry/fit_shape.h"

namespace {

QString Shortest(double v) {
  return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

QByteArray StationTable(const double v[8], int n, bool bothSides) {
  const FittedOutline outline = FitOutline({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
  QByteArray text = "# stations, measured from the neck end\nx,half-width\n";
  for (int i = 0; i < n; ++i) {
    const double t = 180.0 * i / (n - 1);
    text += (Shortest(outline.X(t)) + ',' + Shortest(outline.Y(t)) + '\n').toLatin1();
    if (bothSides && i > 0 && i < n - 1)
      text += (Shortest(outline.X(t)) + ',' + Shortest(-outline.Y(t)) + '\n').toLatin1();
  }
  return text;
}

bool WriteTrace(const QString& points, const QString& dxf, const QStringList& options) {
  QProcess py;
  py.start(QStringLiteral(VESK_PYTHON3),
           QStringList{QStringLiteral(VESK_CLI_TEST_DIR "/write_trace_dxf.py"), points, dxf} + options);
  if (!py.waitForFinished(60000) || py.exitCode() != 0) {
    ADD_FAILURE() << py.readAllStandardError().toStdString();
    return false;
  }
  return true;
}

QString MatchFilesTest::Write(const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  return path;
}
