// The whole-file commit: all or nothing, and a full disk reported with the system's own reason.
#include "framework/atomic_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/file_size_limit.h"
#include "common/test_files.h"

namespace {

const QByteArray kOld("the old file, whole");

class AtomicFile : public ::testing::Test {
 protected:
  QString OldFile() {
    const QString path = dir.filePath("f.bin");
    EXPECT_TRUE(testfiles::WriteBytes(path, kOld));
    return path;
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(AtomicFile, WritesEveryByteAndReplacesTheOldFile) {
  const QString path = OldFile();
  QByteArray bytes(100000, '\0');
  for (int i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  ASSERT_TRUE(CommitWholeFile(path, bytes).ok());
  EXPECT_EQ(testfiles::ReadBytes(path), bytes);
  EXPECT_EQ(testfiles::Entries(dir.path()), QStringList{"f.bin"});
}

TEST_F(AtomicFile, AnEmptyFileIsAFile) {
  const QString path = OldFile();
  ASSERT_TRUE(CommitWholeFile(path, QByteArray()).ok());
  EXPECT_TRUE(QFileInfo::exists(path));
  EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST_F(AtomicFile, AMissingFolderOrAFolderInTheWayIsRefused) {
  for (const QString& path : {dir.filePath("no such folder/f.bin"), dir.path()}) {
    const Status written = CommitWholeFile(path, "x");
    ASSERT_FALSE(written.ok()) << path.toStdString();
    EXPECT_FALSE(written.error().message.empty());
    EXPECT_EQ(written.error().message.find('\n'), std::string::npos);
  }
  EXPECT_TRUE(testfiles::Entries(dir.path()).isEmpty());
}

// The limit falls inside the new bytes, after some of them were written: the reason is the system's,
// and the old file is left byte for byte with no temporary file beside it.
TEST_F(AtomicFile, AFullDiskKeepsTheOldFileAndSaysWhy) {
  const QString path = OldFile();
  for (const qsizetype size : {qsizetype{4097}, qsizetype{1} << 20}) {
    const testfiles::ChildResult child = testfiles::RunUnderFileSizeLimit(4096, [&] {
      const Status written = CommitWholeFile(path, QByteArray(size, 'x'));
      if (written) return 1;
      std::fputs(written.error().message.c_str(), stderr);
      return 0;
    });
    EXPECT_EQ(child.exitStatus, 0) << "the commit claimed success on a full disk, size " << size;
    EXPECT_EQ(child.stderrText.toStdString(), std::strerror(EFBIG));
    EXPECT_EQ(testfiles::ReadBytes(path), kOld);
    EXPECT_EQ(testfiles::Entries(dir.path()), QStringList{"f.bin"});
  }
}

TEST_F(AtomicFile, AFileThatJustFitsIsWritten) {
  const QString path = OldFile();
  const testfiles::ChildResult child = testfiles::RunUnderFileSizeLimit(
      4096, [&] { return CommitWholeFile(path, QByteArray(4096, 'y')).ok() ? 0 : 1; });
  EXPECT_EQ(child.exitStatus, 0) << child.stderrText.toStdString();
  EXPECT_EQ(testfiles::ReadBytes(path), QByteArray(4096, 'y'));
}
