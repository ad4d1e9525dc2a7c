// Committing a template: all or nothing, also when the disk fills up.
#include "export/output_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

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
  EXPECT_TRUE(error.startsWith(QStringLiteral("cannot write"))) << error.toStdString();
  EXPECT_FALSE(QFile::exists(missing));
}

TEST(OutputFile, FullDiskKeepsTheOldFileAndLeavesNothingElse) {
  QTemporaryDir dir;
  const QString path = dir.filePath("t.pdf");
  ASSERT_TRUE(CommitFile(path, "old template", nullptr));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // A file size limit stands in for a full disk: writes past it fail with EFBIG.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = CommitFile(path, QByteArray(1 << 20, 'x'), nullptr);
    _exit(written ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the commit claimed success on a full disk";
  EXPECT_EQ(ReadAll(path), QByteArray("old template"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.pdf"});
}
