// CRecentFileList: one entry per file, and a faithful settings round trip. Order and limit are
// tested through the File menu (tests/app).
#include "framework/recent_file_list.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace {

QString P(const QString& name) {
  return QDir::cleanPath(QDir::tempPath() + "/" + name);
}

TEST(RecentFileList, RelativeAndAbsoluteNamesOfOneFileAreOneEntry) {
  CRecentFileList list(4);
  const QString absolute = QDir::current().absoluteFilePath(QStringLiteral("design.vsk"));
  list.Add(QStringLiteral("design.vsk"));
  list.Add(absolute);
  EXPECT_EQ(list.Files(), QStringList{absolute});
}

TEST(RecentFileList, SettingsRoundTripUsesFileKeysAndDropsStaleOnes) {
  QTemporaryDir dir;
  const QString ini = dir.filePath(QStringLiteral("settings.ini"));
  {
    QSettings settings(ini, QSettings::IniFormat);
    CRecentFileList list(4);
    for (const char* name : {"a", "b", "c", "d"}) list.Add(P(name));
    list.WriteList(settings);
    list.Remove(0);
    list.Remove(0);
    list.WriteList(settings);
  }
  QSettings settings(ini, QSettings::IniFormat);
  settings.beginGroup(QStringLiteral("Recent File List"));
  EXPECT_EQ(settings.childKeys(), (QStringList{"File1", "File2"}));
  EXPECT_EQ(settings.value("File1").toString(), P("b"));
  settings.endGroup();

  CRecentFileList reread(4);
  reread.ReadList(settings);
  EXPECT_EQ(reread.Files(), (QStringList{P("b"), P("a")}));
}

TEST(RecentFileList, ReadingKeepsOnlyAsManyAsTheSizeAndSkipsEmptyOrRepeatedKeys) {
  QTemporaryDir dir;
  QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  settings.beginGroup(QStringLiteral("Recent File List"));
  settings.setValue("File1", P("a"));
  settings.setValue("File2", QString());
  settings.setValue("File3", P("a"));
  settings.setValue("File4", P("b"));
  settings.setValue("File5", P("c"));
  settings.endGroup();
  CRecentFileList list(4);
  list.ReadList(settings);
  EXPECT_EQ(list.Files(), (QStringList{P("a"), P("b")}));
}

}  // namespace
