// CDocument::OnOpenDocument: a good file loads; any file that cannot be read or runs out leaves
// the document, its path, title and modified flag exactly as they were.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/test_files.h"
#include "test_document.h"

namespace {

// value, count, then count doubles, little-endian.
QByteArray Record(const char* hex) {
  return QByteArray::fromHex(hex);
}
const char* kTwoExtras =
    "0000000000002440"
    "02000000"
    "000000000000f03f"
    "0000000000000040";  // 10, 2, {1, 2}

class DocumentOpen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    doc.value = -3.25;
    doc.count = 1;
    doc.extra = {42.0};
    doc.SetPathName(dir.filePath("previous.bin"));
    doc.SetModifiedFlag(true);
    view.SetDocument(&doc);
  }

  // The open failed, said so in one line that names the file, and changed nothing.
  void ExpectRefused(const QString& path, const QString& cause) {
    QString error;
    EXPECT_FALSE(doc.OnOpenDocument(path, &error));
    EXPECT_TRUE(error.startsWith(QDir::toNativeSeparators(path) + ": " + cause)) << error.toStdString();
    EXPECT_FALSE(error.contains('\n'));
    EXPECT_EQ(doc.value, -3.25);
    EXPECT_EQ(doc.count, 1);
    EXPECT_EQ(doc.extra, QList<double>{42.0});
    EXPECT_EQ(doc.GetTitle(), "previous.bin");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 0);
  }

  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(testfiles::WriteBytes(path, bytes));
    return path;
  }

  QTemporaryDir dir;
  TestDocument doc;
  CountingView view;
};

}  // namespace

TEST_F(DocumentOpen, CompleteFileLoadsTakesItsNameAndRepaints) {
  const QString path = Write("good.bin", Record(kTwoExtras));
  QString error;
  ASSERT_TRUE(doc.OnOpenDocument(path, &error)) << error.toStdString();
  EXPECT_TRUE(error.isEmpty());
  EXPECT_EQ(doc.value, 10.0);
  EXPECT_EQ(doc.count, 2);
  EXPECT_EQ(doc.extra, (QList<double>{1.0, 2.0}));
  EXPECT_EQ(doc.GetTitle(), "good.bin");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.LastFileSize(), 28);
  EXPECT_EQ(view.updates, 1);
}

TEST_F(DocumentOpen, BytesAfterTheRecordAreNotRead) {
  const QString path = Write("long.bin", Record(kTwoExtras) + QByteArray(100, '\x7f'));
  ASSERT_TRUE(doc.OnOpenDocument(path, nullptr));
  EXPECT_EQ(doc.extra, (QList<double>{1.0, 2.0}));
  EXPECT_EQ(doc.LastFileSize(), 28);
}

TEST_F(DocumentOpen, EndlessDeviceLoadsOnlyWhatTheRecordNeeds) {
  if (!QFile::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
  ASSERT_TRUE(doc.OnOpenDocument("/dev/zero", nullptr));
  EXPECT_EQ(doc.value, 0.0);
  EXPECT_EQ(doc.count, 0);
  EXPECT_EQ(doc.LastFileSize(), 12);
}

TEST_F(DocumentOpen, MissingFileIsRefused) {
  ExpectRefused(dir.filePath("absent.bin"), "cannot be read: ");
}

TEST_F(DocumentOpen, FolderIsRefused) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  ExpectRefused(dir.filePath("folder"), "cannot be read: ");
}

TEST_F(DocumentOpen, EmptyFileIsRefused) {
  ExpectRefused(Write("empty.bin", {}), "is not a complete design");
}

TEST_F(DocumentOpen, FileThatEndsInsideTheFirstValuesIsRefused) {
  ExpectRefused(Write("short.bin", Record(kTwoExtras).left(10)), "is not a complete design");
}

TEST_F(DocumentOpen, FileThatEndsInsideItsConditionalPartIsRefusedAfterFieldsWereOverwritten) {
  // value and count load, then the second extra is missing: the snapshot must undo the first two.
  ExpectRefused(Write("cut.bin", Record(kTwoExtras).left(20)), "is not a complete design");
  EXPECT_EQ(doc.serializeCalls, 1);
}

TEST_F(DocumentOpen, UnreadableFileIsRefused) {
  if (!testfiles::PermissionsAreEnforced()) GTEST_SKIP() << testfiles::kNeedsPermissions;
  const QString path = Write("locked.bin", Record(kTwoExtras));
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
  ExpectRefused(path, "cannot be read: ");
}

TEST_F(DocumentOpen, FailureWithoutAnErrorSlotStillChangesNothing) {
  EXPECT_FALSE(doc.OnOpenDocument(dir.filePath("absent.bin"), nullptr));
  EXPECT_EQ(doc.value, -3.25);
  EXPECT_EQ(doc.GetTitle(), "previous.bin");
}
