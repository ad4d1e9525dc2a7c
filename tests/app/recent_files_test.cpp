// The recent-file list in the File menu: files opened and saved, newest first, no duplicates, at
// most four, the same after a restart; an entry that no longer opens is reported and dropped.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app_fixture.h"
#include "document/veskdoc.h"
#include "framework/frame_wnd.h"
#include "framework/standard_ids.h"
#include "ui_actions.h"

namespace {

class RecentFiles : public AppTest {
 protected:
  void OpenThroughTheMenu(const QString& path) {
    app->fileAnswers << path;
    ASSERT_TRUE(Click(ID_FILE_OPEN));
  }
  // What the File menu shows between its two separators once it is opened.
  QStringList RecentItems() {
    EXPECT_TRUE(ui::OpenMenu(Frame(), Menu("&File")));
    const QStringList texts = MenuTexts("&File");
    ui::CloseMenu(Menu("&File"));
    const int first = texts.indexOf("-") + 1;
    return texts.mid(first, texts.lastIndexOf("-") - first);
  }
  static QString Item(int number, const QString& path) {
    return QStringLiteral("&%1 %2").arg(number).arg(
        QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
  }
  static QString Abs(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
};

TEST_F(RecentFiles, FourNewestFirstAndTheSameAfterARestart) {
  QStringList files;
  for (int i = 1; i <= 5; ++i) files << WriteDesign(QStringLiteral("d%1.vsk").arg(i), 40.0 + i);
  ASSERT_TRUE(Start());
  EXPECT_EQ(RecentItems(), QStringList{"Recent File"});
  for (const QString& f : files) OpenThroughTheMenu(f);
  const QStringList expected = {Item(1, files[4]), Item(2, files[3]), Item(3, files[2]), Item(4, files[1])};
  EXPECT_EQ(RecentItems(), expected);
  EXPECT_EQ(StoredRecentFiles(), (QStringList{Abs(files[4]), Abs(files[3]), Abs(files[2]), Abs(files[1])}));

  ASSERT_TRUE(Restart());
  EXPECT_EQ(Frame()->windowTitle(), "Untitled - vesk");
  EXPECT_EQ(RecentItems(), expected);
}

TEST_F(RecentFiles, ReopeningMovesAnEntryToTheTopWithoutADuplicate) {
  const QString a = WriteDesign("a.vsk", 41.0);
  const QString b = WriteDesign("b.vsk", 42.0);
  ASSERT_TRUE(Start());
  OpenThroughTheMenu(a);
  OpenThroughTheMenu(b);
  EXPECT_EQ(RecentItems(), (QStringList{Item(1, b), Item(2, a)}));
  ASSERT_TRUE(Click(ID_FILE_MRU_FILE1 + 1));  // a.vsk
  EXPECT_EQ(Doc()->m_length, 41.0);
  EXPECT_EQ(Frame()->windowTitle(), "a.vsk - vesk");
  EXPECT_EQ(RecentItems(), (QStringList{Item(1, a), Item(2, b)}));
}

TEST_F(RecentFiles, SavedFilesJoinTheList) {
  const QString opened = WriteDesign("opened.vsk", 41.0);
  ASSERT_TRUE(Start({opened}));
  const QString saved = dir.filePath("saved.vsk");
  app->fileAnswers << saved;
  ASSERT_TRUE(Click(ID_FILE_SAVE_AS));
  EXPECT_EQ(RecentItems(), (QStringList{Item(1, saved), Item(2, opened)}));
  ASSERT_TRUE(Click(ID_FILE_MRU_FILE1 + 1));
  ASSERT_TRUE(Click(ID_FILE_SAVE));
  EXPECT_EQ(RecentItems(), (QStringList{Item(1, opened), Item(2, saved)}));
}

TEST_F(RecentFiles, StartingWithAFileAddsItToTheStoredList) {
  const QString file = WriteDesign("start.vsk", 41.0);
  ASSERT_TRUE(Start({file}));
  EXPECT_EQ(StoredRecentFiles(), QStringList{Abs(file)});
}

TEST_F(RecentFiles, EntryThatNoLongerOpensIsReportedAndDropped) {
  const QString kept = WriteDesign("kept.vsk", 41.0);
  const QString gone = WriteDesign("gone.vsk", 42.0);
  ASSERT_TRUE(Start());
  OpenThroughTheMenu(gone);
  OpenThroughTheMenu(kept);
  ASSERT_TRUE(QFile::remove(gone));

  ASSERT_TRUE(Click(ID_FILE_MRU_FILE1 + 1));
  ASSERT_EQ(boxes.Entries().size(), 1);
  EXPECT_TRUE(boxes.Entries()[0].text.startsWith("Failed to open document.\n"));
  EXPECT_TRUE(boxes.Entries()[0].text.contains(QDir::toNativeSeparators(Abs(gone))));
  // The open document is untouched.
  EXPECT_EQ(Frame()->windowTitle(), "kept.vsk - vesk");
  EXPECT_EQ(Doc()->m_length, 41.0);
  EXPECT_EQ(RecentItems(), QStringList{Item(1, kept)});
  EXPECT_EQ(StoredRecentFiles(), QStringList{Abs(kept)});
}

TEST_F(RecentFiles, AmpersandInAFileNameIsShownNotUsedAsMnemonic) {
  const QString file = WriteDesign("salt & pepper.vsk", 41.0);
  ASSERT_TRUE(Start({file}));
  const QStringList items = RecentItems();
  ASSERT_EQ(items.size(), 1);
  EXPECT_TRUE(items[0].endsWith("salt && pepper.vsk")) << items[0].toStdString();
}

}  // namespace
