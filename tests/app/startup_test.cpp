// Start-up from the command line and the window title.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app_fixture.h"
#include "document/veskdoc.h"
#include "framework/frame_wnd.h"
#include "framework/standard_ids.h"
#include "geometry/outline.h"

namespace {

TEST_F(AppTest, NoArgumentStartsANewDesignInAWindowTitledUntitled) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Frame()->isVisible());
  EXPECT_EQ(Frame()->windowTitle(), "Untitled - vesk");
  EXPECT_EQ(Doc()->m_length, 49.0);
  EXPECT_EQ(Doc()->m_fitValid, 1);
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_TRUE(boxes.Entries().isEmpty());
  EXPECT_TRUE(StoredRecentFiles().isEmpty());
}

TEST_F(AppTest, FileArgumentOpensItAndTitlesTheWindowWithItsName) {
  const QString file = WriteDesign("dreadnought.vsk", 50.0);
  ASSERT_TRUE(Start({file}));
  EXPECT_EQ(Frame()->windowTitle(), "dreadnought.vsk - vesk");
  EXPECT_EQ(Doc()->m_length, 50.0);
  EXPECT_EQ(Doc()->GetPathName(), QFileInfo(file).absoluteFilePath());
}

TEST_F(AppTest, UnreadableFileArgumentEndsStartUpWithoutAWindow) {
  QFile truncated(dir.filePath("truncated.vsk"));
  ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
  truncated.write(QByteArray(30, '\0'));
  truncated.close();
  for (const QString& path : {dir.filePath("missing.vsk"), truncated.fileName(), dir.path()}) {
    boxes.Clear();
    EXPECT_FALSE(Start({path})) << path.toStdString();
    EXPECT_EQ(Frame(), nullptr);
    ASSERT_EQ(boxes.Entries().size(), 1);
    EXPECT_TRUE(boxes.Entries()[0].text.startsWith("Failed to open document.\n"));
    EXPECT_TRUE(boxes.Entries()[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(boxes.Entries()[0].parent, nullptr);
    EXPECT_TRUE(StoredRecentFiles().isEmpty());
  }
}

TEST_F(AppTest, SeveralArgumentsOrAnEmptyNameAreAUsageError) {
  for (const QStringList& args : {QStringList{"a.vsk", "b.vsk"}, QStringList{QString()}}) {
    boxes.Clear();
    EXPECT_FALSE(Start(args));
    EXPECT_EQ(Frame(), nullptr);
    ASSERT_EQ(boxes.Entries().size(), 1);
    EXPECT_TRUE(boxes.Entries()[0].text.startsWith("Usage: vesk [FILE]"));
  }
}

TEST_F(AppTest, TitleFollowsNewOpenAndSaveAs) {
  const QString file = WriteDesign("parlour.vsk", 40.0);
  ASSERT_TRUE(Start());
  app->fileAnswers << file;
  ASSERT_TRUE(Click(ID_FILE_OPEN));
  EXPECT_EQ(Frame()->windowTitle(), "parlour.vsk - vesk");
  app->fileAnswers << dir.filePath("jumbo.vsk");
  ASSERT_TRUE(Click(ID_FILE_SAVE_AS));
  EXPECT_EQ(Frame()->windowTitle(), "jumbo.vsk - vesk");
  ASSERT_TRUE(Click(ID_FILE_NEW));
  EXPECT_EQ(Frame()->windowTitle(), "Untitled - vesk");
}

TEST_F(AppTest, FailedOpenLeavesTheOpenDocumentAsItWas) {
  const QString file = WriteDesign("parlour.vsk", 40.0);
  ASSERT_TRUE(Start({file}));
  Doc()->m_waist = 11.0;
  Doc()->SetModifiedFlag();
  app->fileAnswers << dir.filePath("missing.vsk");
  boxes.QueueAnswer(IDNO);  // discard the change
  ASSERT_TRUE(Click(ID_FILE_OPEN));
  ASSERT_EQ(boxes.Entries().size(), 2);
  EXPECT_TRUE(boxes.Entries()[1].text.startsWith("Failed to open document.\n"));
  EXPECT_EQ(boxes.Entries()[1].parent, Frame());
  EXPECT_EQ(Frame()->windowTitle(), "parlour.vsk - vesk");
  EXPECT_EQ(Doc()->m_length, 40.0);
  EXPECT_EQ(Doc()->m_waist, 11.0);
}

TEST_F(AppTest, OpeningADesignWhoseFitFailsStillOpensIt) {
  // A waist wider than both bouts cannot be fitted.
  const QString file = dir.filePath("unfit.vsk");
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  QByteArray bytes(68, '\0');
  const double values[] = {49.0, 18.5, 30.0, 14.0, 0.0, -0.25, 0.0, -0.5};
  memcpy(bytes.data(), values, sizeof values);
  out.write(bytes);
  out.close();
  ASSERT_TRUE(Start({file}));
  EXPECT_EQ(Frame()->windowTitle(), "unfit.vsk - vesk");
  EXPECT_EQ(Doc()->m_fitValid, 0);
  EXPECT_EQ(IsFitValid(), 0);
}

}  // namespace
