// The framework core without the window part: Save As and the "save changes?" question through a
// DocumentHost (or none, as in vesk-cli), views as DocumentObservers, and the message service
// without boxes on screen.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "common/message_box_recorder.h"
#include "framework/document.h"
#include "framework/message_box_widgets.h"
#include "test_document.h"

namespace {

// A program that proposes a file of its own choosing and notes what the document tells it.
class FakeHost : public DocumentHost {
 public:
  explicit FakeHost(QString chosen) : m_chosen(std::move(chosen)) { DocumentHost::Set(this); }
  ~FakeHost() { DocumentHost::Set(nullptr); }
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  QWidget* DialogParent() const override { return parent; }
  bool PromptSaveFileName(QString& fileName) override {
    proposed << fileName;
    if (m_chosen.isEmpty()) return false;
    fileName = m_chosen;
    return true;
  }
  void AddToRecentFileList(const QString& path) override { recent << path; }

  QWidget* parent = nullptr;
  QStringList proposed;
  QStringList recent;

 private:
  QString m_chosen;
};

class RetitleCounter : public DocumentObserver {
 public:
  void OnDocumentUpdate(DocumentObserver*, long, void*) override {}
  void OnDocumentShown() override {}
  void OnDocumentRetitled() override { ++retitled; }
  void OnDocumentGone() override { gone = true; }
  int retitled = 0;
  bool gone = false;
};

TEST(DocumentHost, WithoutAHostSaveAsAsksForNothingAndWritesNothing) {
  ASSERT_EQ(DocumentHost::Get(), nullptr);
  MessageBoxRecorder recorder;
  TestDocument doc;
  doc.SetModifiedFlag();
  EXPECT_FALSE(doc.DoSave(QString()));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(recorder.Entries().isEmpty());
  // Yes to "save changes?" on an untitled document needs a file name nobody can give.
  recorder.QueueAnswer(IDYES);
  EXPECT_FALSE(doc.SaveModified());
  EXPECT_EQ(recorder.Texts(), QStringList{"Save changes to Untitled?"});
  EXPECT_EQ(recorder.Entries()[0].parent, nullptr);
}

TEST(DocumentHost, SaveAsTakesTheHostsFileAndReportsItBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath("chosen.bin");
  FakeHost host(path);
  TestDocument doc;
  RetitleCounter view;
  doc.AddView(&view);
  doc.SetModifiedFlag();
  ASSERT_TRUE(doc.DoSave(QString()));
  EXPECT_EQ(host.proposed, QStringList{"Untitled"});
  EXPECT_EQ(host.recent, QStringList{path});
  EXPECT_EQ(doc.GetTitle(), "chosen.bin");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(view.retitled, 1);
  EXPECT_EQ(QFile(path).size(), 12);  // a double and a count
  doc.RemoveView(&view);
}

TEST(DocumentHost, AFailedSaveIsReportedOverTheHostsWindowAndNotListed) {
  QTemporaryDir dir;
  QWidget window;
  FakeHost host(dir.path());  // a folder cannot be written as a file
  host.parent = &window;
  MessageBoxRecorder recorder;
  TestDocument doc;
  EXPECT_FALSE(doc.DoSave(QString()));
  ASSERT_EQ(recorder.Entries().size(), 1);
  EXPECT_TRUE(recorder.Entries()[0].text.startsWith("Failed to save document.\n"))
      << recorder.Texts()[0].toStdString();
  EXPECT_EQ(recorder.Entries()[0].parent, &window);
  EXPECT_TRUE(host.recent.isEmpty());
}

TEST(DocumentHost, ACancelledFileDialogSavesNothing) {
  FakeHost host{QString()};
  TestDocument doc;
  doc.SetPathName(QDir::temp().filePath("was-here.bin"));
  EXPECT_FALSE(doc.DoSave(QString()));
  EXPECT_EQ(host.proposed, QStringList{QDir::temp().filePath("was-here.bin")});
  EXPECT_TRUE(host.recent.isEmpty());
}

TEST(DocumentObserverTest, ADestroyedDocumentLetsGoOfItsObservers) {
  RetitleCounter view;
  {
    TestDocument doc;
    doc.AddView(&view);
  }
  EXPECT_TRUE(view.gone);
}

// Without the window part nothing can be shown: the text goes to stderr and the safe answer comes
// back, OK for a message and Cancel for a question.
TEST(MessageBox, WithoutAPresenterTheTextGoesToStderr) {
  SetMessageBoxPresenter(nullptr);
  ::testing::internal::CaptureStderr();
  const int ok = MessageBox(nullptr, "Calculation failed");
  const int answer = MessageBox(nullptr, "Save changes to Untitled?", "Other", MB_YESNOCANCEL);
  const std::string err = ::testing::internal::GetCapturedStderr();
  InstallWidgetMessageBoxes();
  EXPECT_EQ(ok, IDOK);
  EXPECT_EQ(answer, IDCANCEL);
  EXPECT_EQ(err, "vesk: Calculation failed\nOther: Save changes to Untitled?\n");
}

}  // namespace
