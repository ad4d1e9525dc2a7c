// A settings array "recentFiles/N/path", rewritten whole on each change as Qt's examples keep theirs.
#include "workshop/recent_files.h"

#include <QFileInfo>

#include "workshop/workshop_settings.h"

namespace {

void Write(const QStringList& files) {
  const auto settings = OpenWorkshopSettings();
  settings->beginWriteArray(QStringLiteral("recentFiles"), int(files.size()));
  for (int i = 0; i < files.size(); ++i) {
    settings->setArrayIndex(i);
    settings->setValue(QStringLiteral("path"), files[i]);
  }
  settings->endArray();
}

}  // namespace

namespace RecentFiles {

QStringList List() {
  const auto settings = OpenWorkshopSettings();
  QStringList files;
  const int count = settings->beginReadArray(QStringLiteral("recentFiles"));
  for (int i = 0; i < count && files.size() < kMaxFiles; ++i) {
    settings->setArrayIndex(i);
    const QString path = settings->value(QStringLiteral("path")).toString();
    if (!path.isEmpty() && !files.contains(path)) files << path;
  }
  settings->endArray();
  return files;
}

void Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList files = List();
  files.removeAll(absolute);
  files.prepend(absolute);
  while (files.size() > kMaxFiles) files.removeLast();
  Write(files);
}

void Remove(const QString& path) {
  QStringList files = List();
  files.removeAll(QFileInfo(path).absoluteFilePath());
  Write(files);
}

}  // namespace RecentFiles
