// The "save changes?" question before New, Open, a recent file and closing the window: Yes saves
// (and a failed or cancelled save stops the operation), No discards, Cancel keeps everything.
#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "app_fixture.h"
#include "document/veskdoc.h"
#include "framework/frame_wnd.h"
#include "framework/recent_file_list.h"
#include "framework/standard_ids.h"

namespace {

constexpr double kOpenedLength = 45.0;
constexpr double kEditedLength = 44.0;

class SavePrompt : public AppTest {
 protected:
  // The program with body.vsk open and its length changed but not saved.
  void StartWithEditedFile() {
    file = WriteDesign("body.vsk", kOpenedLength);
    original = Bytes(file);
    ASSERT_TRUE(Start({file}));
    Doc()->m_length = kEditedLength;
    Doc()->SetModifiedFlag();
  }
  // The program with a new design changed but never saved.
  void StartWithEditedNewDesign() {
    ASSERT_TRUE(Start());
    Doc()->m_length = kEditedLength;
    Doc()->SetModifiedFlag();
  }
  double StoredLength(const QString& path) const {
    const QByteArray bytes = Bytes(path);
    double v = 0;
    if (bytes.size() >= 8) memcpy(&v, bytes.constData(), 8);  // the test machine is little-endian
    return v;
  }
  void ExpectQuestionAbout(const QString& title) const {
    ASSERT_FALSE(boxes.Entries().isEmpty());
    const MessageBoxRecorder::Entry& box = boxes.Entries().front();
    EXPECT_EQ(box.text, "Save changes to " + title + "?");
    EXPECT_EQ(box.caption, "vesk");
    EXPECT_EQ(box.style, MB_YESNOCANCEL);
  }
  void ExpectEditedDocumentKept() const {
    EXPECT_EQ(Doc()->GetPathName(), QFileInfo(file).absoluteFilePath());
    EXPECT_EQ(Doc()->m_length, kEditedLength);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Frame()->windowTitle(), "body.vsk - vesk");
    EXPECT_EQ(Bytes(file), original);
  }

  QString file;
  QByteArray original;
};

TEST_F(SavePrompt, UnmodifiedDocumentIsReplacedWithoutAQuestion) {
  file = WriteDesign("body.vsk", kOpenedLength);
  ASSERT_TRUE(Start({file}));
  ASSERT_TRUE(Click(ID_FILE_NEW));
  EXPECT_TRUE(boxes.Entries().isEmpty());
  EXPECT_EQ(Doc()->GetTitle(), "Untitled");
}

TEST_F(SavePrompt, NewYesSavesThenStartsANewDesign) {
  StartWithEditedFile();
  CVeskDoc* const doc = Doc();
  CFrameWnd* const frame = Frame();
  boxes.QueueAnswer(IDYES);
  ASSERT_TRUE(Click(ID_FILE_NEW));
  ExpectQuestionAbout("body.vsk");
  EXPECT_EQ(StoredLength(file), kEditedLength);
  EXPECT_EQ(Doc()->GetTitle(), "Untitled");
  EXPECT_EQ(Doc()->m_length, 49.0);
  EXPECT_FALSE(Doc()->IsModified());
  // One document, one frame, reused.
  EXPECT_EQ(Doc(), doc);
  EXPECT_EQ(Frame(), frame);
}

TEST_F(SavePrompt, NewNoDiscardsTheChanges) {
  StartWithEditedFile();
  boxes.QueueAnswer(IDNO);
  ASSERT_TRUE(Click(ID_FILE_NEW));
  ExpectQuestionAbout("body.vsk");
  EXPECT_EQ(Bytes(file), original);
  EXPECT_EQ(Doc()->GetTitle(), "Untitled");
  EXPECT_EQ(Doc()->m_length, 49.0);
  EXPECT_EQ(Frame()->windowTitle(), "Untitled - vesk");
}

TEST_F(SavePrompt, NewCancelKeepsTheDocumentAndItsFile) {
  StartWithEditedFile();
  boxes.QueueAnswer(IDCANCEL);
  ASSERT_TRUE(Click(ID_FILE_NEW));
  ExpectQuestionAbout("body.vsk");
  ExpectEditedDocumentKept();
}

TEST_F(SavePrompt, OpenAsksAfterTheFileIsChosenAndCancelKeepsEverything) {
  StartWithEditedFile();
  const QString other = WriteDesign("other.vsk", 40.0);
  app->fileAnswers << other;
  boxes.QueueAnswer(IDCANCEL);
  Press(Qt::CTRL | Qt::Key_O);
  ExpectQuestionAbout("body.vsk");
  ExpectEditedDocumentKept();

  app->fileAnswers << other;
  boxes.QueueAnswer(IDNO);
  ASSERT_TRUE(Click(ID_FILE_OPEN));
  EXPECT_EQ(Doc()->m_length, 40.0);
  EXPECT_EQ(Frame()->windowTitle(), "other.vsk - vesk");
  EXPECT_EQ(Bytes(file), original);
}

TEST_F(SavePrompt, RecentFileAsksFirstAndCancelKeepsTheEntry) {
  const QString other = WriteDesign("other.vsk", 40.0);
  StartWithEditedFile();
  app->fileAnswers << other;
  boxes.QueueAnswer(IDNO);
  ASSERT_TRUE(Click(ID_FILE_OPEN));  // other.vsk on top, body.vsk second
  Doc()->SetModifiedFlag();
  boxes.Clear();

  boxes.QueueAnswer(IDCANCEL);
  ASSERT_TRUE(Click(ID_FILE_MRU_FILE1 + 1));
  ExpectQuestionAbout("other.vsk");
  EXPECT_EQ(Frame()->windowTitle(), "other.vsk - vesk");
  EXPECT_EQ(app->GetRecentFileList()->Count(), 2);

  boxes.QueueAnswer(IDNO);
  ASSERT_TRUE(Click(ID_FILE_MRU_FILE1 + 1));
  EXPECT_EQ(Frame()->windowTitle(), "body.vsk - vesk");
  EXPECT_EQ(Doc()->m_length, kOpenedLength);
}

TEST_F(SavePrompt, YesOnANewDesignAsksForAFileAndSavesThere) {
  StartWithEditedNewDesign();
  const QString target = dir.filePath("saved.vsk");
  app->fileAnswers << target;
  boxes.QueueAnswer(IDYES);
  ASSERT_TRUE(Click(ID_FILE_NEW));
  ExpectQuestionAbout("Untitled");
  ASSERT_EQ(app->prompts.size(), 1);
  EXPECT_FALSE(app->prompts[0].open);
  EXPECT_EQ(app->prompts[0].proposed, "Untitled");
  EXPECT_EQ(StoredLength(target), kEditedLength);
  EXPECT_EQ(Doc()->m_length, 49.0);
  EXPECT_EQ(Frame()->windowTitle(), "Untitled - vesk");
}

TEST_F(SavePrompt, YesThenCancelledFileDialogStopsTheOperation) {
  StartWithEditedNewDesign();
  boxes.QueueAnswer(IDYES);  // and no file answer: the Save As dialog is cancelled
  ASSERT_TRUE(Click(ID_FILE_NEW));
  EXPECT_EQ(app->prompts.size(), 1);
  EXPECT_EQ(Doc()->m_length, kEditedLength);
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_EQ(boxes.Entries().size(), 1);
}

TEST_F(SavePrompt, YesThenFailedSaveReportsAndStopsTheOperation) {
  StartWithEditedNewDesign();
  const QString unwritable = dir.filePath("no such folder/saved.vsk");
  app->fileAnswers << unwritable;
  boxes.QueueAnswer(IDYES);
  ASSERT_TRUE(Click(ID_FILE_NEW));
  ASSERT_EQ(boxes.Entries().size(), 2);
  const QString error = boxes.Entries()[1].text;
  EXPECT_TRUE(error.startsWith("Failed to save document.\n")) << error.toStdString();
  EXPECT_TRUE(error.contains(QDir::toNativeSeparators(unwritable))) << error.toStdString();
  EXPECT_EQ(boxes.Entries()[1].style, MB_OK);
  EXPECT_EQ(Doc()->m_length, kEditedLength);
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_FALSE(QFileInfo::exists(unwritable));
}

TEST_F(SavePrompt, ClosingTheWindowCancelKeepsItOpen) {
  StartWithEditedFile();
  boxes.QueueAnswer(IDCANCEL);
  EXPECT_FALSE(Frame()->close());
  ExpectQuestionAbout("body.vsk");
  EXPECT_TRUE(Frame()->isVisible());
  ExpectEditedDocumentKept();
}

TEST_F(SavePrompt, ExitYesSavesAndClosesTheWindow) {
  StartWithEditedFile();
  boxes.QueueAnswer(IDYES);
  ASSERT_TRUE(Click(ID_APP_EXIT));
  ExpectQuestionAbout("body.vsk");
  EXPECT_FALSE(Frame()->isVisible());
  EXPECT_EQ(StoredLength(file), kEditedLength);
}

TEST_F(SavePrompt, ClosingTheWindowNoClosesWithoutSaving) {
  StartWithEditedFile();
  boxes.QueueAnswer(IDNO);
  EXPECT_TRUE(Frame()->close());
  EXPECT_FALSE(Frame()->isVisible());
  EXPECT_EQ(Bytes(file), original);
}

TEST_F(SavePrompt, SaveAsGivesTheDocumentItsNewNameAndKeepsTheOldFile) {
  StartWithEditedFile();
  const QString copy = dir.filePath("copy.vsk");
  app->fileAnswers << copy;
  ASSERT_TRUE(Click(ID_FILE_SAVE_AS));
  ASSERT_EQ(app->prompts.size(), 1);
  EXPECT_EQ(app->prompts[0].proposed, QFileInfo(file).absoluteFilePath());
  EXPECT_EQ(StoredLength(copy), kEditedLength);
  EXPECT_EQ(Bytes(file), original);
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_EQ(Frame()->windowTitle(), "copy.vsk - vesk");
  EXPECT_TRUE(boxes.Entries().isEmpty());
}

}  // namespace
