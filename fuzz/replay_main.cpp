// Replays a fuzz corpus through the harness without libFuzzer: every file of every folder (or
// file) named on the command line. Fails on the first broken check, or when it found no input.
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "design_harness.h"

namespace {

QStringList InputFiles(const QStringList& args) {
  QStringList files;
  for (const QString& arg : args) {
    if (QFileInfo(arg).isFile()) {
      files << arg;
      continue;
    }
    QDirIterator it(arg, QDir::Files);
    while (it.hasNext()) files << it.next();
  }
  files.sort();
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList files = InputFiles(QCoreApplication::arguments().mid(1));
  if (files.isEmpty()) {
    std::fprintf(stderr, "usage: fuzz_replay CORPUS_DIR|FILE...: no input found\n");
    return 2;
  }
  for (const QString& path : files) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "%s: cannot be read\n", qPrintable(path));
      return 1;
    }
    const std::string broken = RunDesignInput(f.readAll());
    if (!broken.empty()) {
      std::fprintf(stderr, "%s: %s\n", qPrintable(path), broken.c_str());
      return 1;
    }
  }
  std::printf("replayed %lld inputs\n", static_cast<long long>(files.size()));
  return 0;
}
