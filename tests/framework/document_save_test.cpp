// CDocument::OnSaveDocument: a save that cannot finish leaves the old file byte for byte, keeps
// the modified flag, leaves no temporary file behind and says why in one line naming the file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "common/test_files.h"
#include "test_document.h"

namespace {

const QByteArray kOldFile = QByteArray("an older design that must survive a failed save");

class DocumentSave : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    doc.value = 2.0;
    doc.count = 3;
    doc.extra = {1.0, 2.0, 3.0};
    doc.SetModifiedFlag(true);
  }
  QString OldFile() {
    const QString path = dir.filePath("design.bin");
    EXPECT_TRUE(testfiles::WriteBytes(path, kOldFile));
    return path;
  }
  void ExpectRefused(const QString& path) {
    QString error;
    EXPECT_FALSE(doc.OnSaveDocument(path, &error));
    EXPECT_TRUE(error.startsWith(QDir::toNativeSeparators(path) + ": cannot be written: "))
        << error.toStdString();
    EXPECT_FALSE(error.contains('\n'));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
  }
  QTemporaryDir dir;
  TestDocument doc;
};

}  // namespace

TEST_F(DocumentSave, WritesTheRecordReplacesTheOldFileAndClearsTheFlag) {
  const QString path = OldFile();
  QString error;
  ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
  EXPECT_EQ(testfiles::ReadBytes(path).toHex(), QByteArray("0000000000000040"
                                                           "03000000"
                                                           "000000000000f03f"
                                                           "0000000000000040"
                                                           "0000000000000840"));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "design.bin");
  EXPECT_EQ(doc.LastFileSize(), 36);
  EXPECT_EQ(testfiles::Entries(dir.path()), QStringList{"design.bin"});
}

TEST_F(DocumentSave, MissingFolderIsRefusedAndNothingIsCreated) {
  ExpectRefused(dir.filePath("no such folder/design.bin"));
  EXPECT_TRUE(testfiles::Entries(dir.path()).isEmpty());
}

TEST_F(DocumentSave, FolderInPlaceOfTheFileIsRefusedAndKept) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("design.bin"));
  ExpectRefused(dir.filePath("design.bin"));
  EXPECT_TRUE(QFileInfo(dir.filePath("design.bin")).isDir());
  EXPECT_EQ(testfiles::Entries(dir.path()), QStringList{"design.bin"});
}

TEST_F(DocumentSave, ReadOnlyFolderIsRefusedAndTheOldFileKept) {
  if (!testfiles::PermissionsAreEnforced()) GTEST_SKIP() << testfiles::kNeedsPermissions;
  const QString path = OldFile();
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  ExpectRefused(path);
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(testfiles::ReadBytes(path), kOldFile);
}

// The disk fills up halfway through the new file: a file-size limit below the record's size, in a
// child process so that the limit ends with it. SIGXFSZ is ignored so that write() fails with
// EFBIG instead of killing the child.
TEST_F(DocumentSave, FullDiskKeepsTheOldFileByteForByteAndTheModifiedFlag) {
  const QString path = OldFile();
  enum { kReportedSuccess = 1, kLostModifiedFlag = 2, kBadMessage = 4, kTookTheName = 8 };
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16, 16};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(100);
    QString error;
    int status = 0;
    if (doc.OnSaveDocument(path, &error)) status |= kReportedSuccess;
    if (!doc.IsModified()) status |= kLostModifiedFlag;
    // The system's reason for the failed write, not Qt's "Unknown error".
    if (error != path + ": cannot be written: " + std::strerror(EFBIG)) status |= kBadMessage;
    if (doc.GetTitle() != "Untitled") status |= kTookTheName;
    _exit(status);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(testfiles::ReadBytes(path), kOldFile);
  EXPECT_EQ(testfiles::Entries(dir.path()), QStringList{"design.bin"});
}
