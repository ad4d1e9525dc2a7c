// Committing a template: all or nothing, also when the disk fills up.
#include "export/output_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/file_size_limit.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(OutputFile, WritesTheBytesAndReplacesAnOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("t.svg");
  QString error;
  ASSERT_TRUE(CommitFile(path, "first", &error)) << error.toStdString();
  ASSERT_TRUE(CommitFile(path, "second", &error)) << error.toStdString();
  EXPECT_EQ(ReadAll(path), QByteArray("second"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.svg"});
}

TEST(OutputFile, RefusesFoldersAndMissingFolders) {
  QTemporaryDir dir;
  QString error;
  EXPECT_FALSE(CommitFile(dir.path(), "x", &error));
  EXPECT_TRUE(error.contains(QStringLiteral("folder"))) << error.toStdString();
  const QString missing = dir.filePath("no/such/t.dxf");
  EXPECT_FALSE(CommitFile(missing, "x", &error));
  EXPECT_TRUE(error.startsWith(missing + QStringLiteral(": cannot be written: "))) << error.toStdString();
  EXPECT_FALSE(QFile::exists(missing));
}

TEST(OutputFile, FullDiskKeepsTheOldFileAndSaysWhy) {
  QTemporaryDir dir;
  const QString path = dir.filePath("t.pdf");
  ASSERT_TRUE(CommitFile(path, "old template", nullptr));
  const testfiles::ChildResult child = testfiles::RunUnderFileSizeLimit(4096, [&] {
    QString error;
    if (CommitFile(path, QByteArray(1 << 20, 'x'), &error)) return 1;
    std::fputs(error.toLocal8Bit().constData(), stderr);
    return 0;
  });
  EXPECT_EQ(child.exitStatus, 0) << "the commit claimed success on a full disk";
  // The system's reason, not Qt's "Unknown error".
  EXPECT_EQ(child.stderrText.toStdString(),
            QStringLiteral("%1: cannot be written: %2").arg(path, std::strerror(EFBIG)).toStdString());
  EXPECT_EQ(ReadAll(path), QByteArray("old template"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"t.pdf"});
}
