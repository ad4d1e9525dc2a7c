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
#include "common/result_checks.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(OutputFile, WritesTheBytesAndReplacesAnOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("t.svg");
  for (const char* bytes : {"first", "second"}) {
    const Status written = CommitFile(path, bytes);
    ASSERT_TRUE(written.ok()) << written.error().message;
  }
  EXPECT_EQ(ReadAll(path), QByteArray("second"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.svg"});
}

TEST(OutputFile, RefusesFoldersAndMissingFolders) {
  QTemporaryDir dir;
  const QString folder = MessageOf(CommitFile(dir.path(), "x"));
  EXPECT_TRUE(folder.contains(QStringLiteral("folder"))) << folder.toStdString();
  const QString missing = dir.filePath("no/such/t.dxf");
  const QString noFolder = MessageOf(CommitFile(missing, "x"));
  EXPECT_TRUE(noFolder.startsWith(QStringLiteral("cannot write"))) << noFolder.toStdString();
  EXPECT_FALSE(QFile::exists(missing));
}

TEST(OutputFile, FullDiskKeepsTheOldFileAndSaysWhy) {
  QTemporaryDir dir;
  const QString path = dir.filePath("t.pdf");
  ASSERT_TRUE(CommitFile(path, "old template").ok());
  const testfiles::ChildResult child = testfiles::RunUnderFileSizeLimit(4096, [&] {
    const Status written = CommitFile(path, QByteArray(1 << 20, 'x'));
    if (written) return 1;
    std::fputs(written.error().message.c_str(), stderr);
    return 0;
  });
  EXPECT_EQ(child.exitStatus, 0) << "the commit claimed success on a full disk";
  // The system's reason, not Qt's "Unknown error".
  EXPECT_EQ(child.stderrText.toStdString(),
            QStringLiteral("cannot write %1: %2").arg(path, std::strerror(EFBIG)).toStdString());
  EXPECT_EQ(ReadAll(path), QByteArray("old template"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"t.pdf"});
}
