// The main frame's menus and accelerators as a user meets them: captions, order, separators,
// command numbers, the thirteen keys, and the edit and pane commands that do nothing.
#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <map>

#include "app_fixture.h"
#include "document/veskdoc.h"
#include "framework/frame_wnd.h"
#include "ui_actions.h"

namespace {

TEST_F(AppTest, MenuBarHasTheFourMenusWithExactCaptionsOrderAndSeparators) {
  ASSERT_TRUE(Start());
  QStringList titles;
  for (const QAction* top : Frame()->menuBar()->actions()) titles << top->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "View", "&Help"}));
  EXPECT_EQ(MenuTexts("&File"), (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S",
                                             "Save &As...", "-", "Recent File", "-", "E&xit"}));
  EXPECT_EQ(MenuTexts("&Edit"),
            (QStringList{"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V",
                         "Input Shape", "Input Soundhole", "in->cm", "cm->in"}));
  EXPECT_EQ(MenuTexts("View"), (QStringList{"Vertical", "Show Fingerboard", "Show Data", "Side Length"}));
  EXPECT_EQ(MenuTexts("&Help"), (QStringList{"&About vesk..."}));
}

TEST_F(AppTest, FrameHasNoToolbarAndNoStatusBar) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Frame()->findChildren<QToolBar*>().isEmpty());
  EXPECT_TRUE(Frame()->findChildren<QStatusBar*>().isEmpty());
}

TEST_F(AppTest, MenuItemsCarryTheirCommandNumbers) {
  ASSERT_TRUE(Start());
  const std::map<int, QString> items = {
      {57600, "&New\tCtrl+N"},     {57601, "&Open...\tCtrl+O"}, {57603, "&Save\tCtrl+S"},
      {57604, "Save &As..."},      {57616, "Recent File"},      {57665, "E&xit"},
      {57643, "&Undo\tCtrl+Z"},    {57635, "Cu&t\tCtrl+X"},     {57634, "&Copy\tCtrl+C"},
      {57637, "&Paste\tCtrl+V"},   {32773, "Input Shape"},      {32774, "Input Soundhole"},
      {32775, "in->cm"},           {32776, "cm->in"},           {32772, "Vertical"},
      {32779, "Show Fingerboard"}, {32778, "Show Data"},        {32777, "Side Length"},
      {57664, "&About vesk..."},
  };
  for (const auto& [id, caption] : items) {
    ASSERT_NE(Action(id), nullptr) << id;
    EXPECT_EQ(Action(id)->text(), caption) << id;
  }
}

TEST_F(AppTest, ThirteenAcceleratorsWithTheirCommands) {
  ASSERT_TRUE(Start());
  std::multimap<int, QString> keys;
  for (const QShortcut* s : Frame()->findChildren<QShortcut*>())
    keys.emplace(s->property(kCommandIdProperty).toInt(), s->key().toString());
  const std::multimap<int, QString> expected = {
      {57600, "Ctrl+N"},    {57601, "Ctrl+O"},   {57603, "Ctrl+S"},    {57643, "Ctrl+Z"},
      {57635, "Ctrl+X"},    {57634, "Ctrl+C"},   {57637, "Ctrl+V"},    {57643, "Alt+Backspace"},
      {57635, "Shift+Del"}, {57634, "Ctrl+Ins"}, {57637, "Shift+Ins"}, {57680, "F6"},
      {57681, "Shift+F6"},
  };
  EXPECT_EQ(keys, expected);
}

TEST_F(AppTest, RecentFilePlaceholderIsDisabledWhileTheListIsEmpty) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(ui::OpenMenu(Frame(), Menu("&File")));
  EXPECT_TRUE(Action(57616)->isVisible());
  EXPECT_FALSE(Action(57616)->isEnabled());
  ui::CloseMenu(Menu("&File"));
}

TEST_F(AppTest, FileCommandsAreEnabledAndEditCommandsAreNot) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(ui::OpenMenu(Frame(), Menu("&File")));
  for (int id : {57600, 57601, 57603, 57604, 57665}) EXPECT_TRUE(Action(id)->isEnabled()) << id;
  ui::CloseMenu(Menu("&File"));
  ASSERT_TRUE(ui::OpenMenu(Frame(), Menu("&Edit")));
  for (int id : {57643, 57635, 57634, 57637}) EXPECT_FALSE(Action(id)->isEnabled()) << id;
  for (int id : {32775, 32776}) EXPECT_TRUE(Action(id)->isEnabled()) << id;
  ui::CloseMenu(Menu("&Edit"));
  ASSERT_TRUE(ui::OpenMenu(Frame(), Menu("&Help")));
  EXPECT_TRUE(Action(57664)->isEnabled());
  ui::CloseMenu(Menu("&Help"));
}

// Everything a stray command could change: the design, its file state, the window title.
struct Observed {
  double length, lowerBout;
  bool modified;
  QString path, title;
  bool operator==(const Observed& o) const {
    return length == o.length && lowerBout == o.lowerBout && modified == o.modified && path == o.path &&
           title == o.title;
  }
};

Observed Observe(const CVeskDoc* doc, const CFrameWnd* frame) {
  return {doc->m_length, doc->m_lowerBout, doc->IsModified(), doc->GetPathName(), frame->windowTitle()};
}

TEST_F(AppTest, EditKeysAndPaneKeysChangeNothing) {
  const QString file = WriteDesign("body.vsk", 45.0);
  ASSERT_TRUE(Start({file}));
  Doc()->m_lowerBout = 17.0;
  Doc()->SetModifiedFlag();
  const Observed before = Observe(Doc(), Frame());
  const QByteArray bytes = Bytes(file);
  const QList<QKeySequence> keys = {
      Qt::CTRL | Qt::Key_Z,      Qt::CTRL | Qt::Key_X,        Qt::CTRL | Qt::Key_C,
      Qt::CTRL | Qt::Key_V,      Qt::ALT | Qt::Key_Backspace, Qt::SHIFT | Qt::Key_Delete,
      Qt::CTRL | Qt::Key_Insert, Qt::SHIFT | Qt::Key_Insert,  Qt::Key_F6,
      Qt::SHIFT | Qt::Key_F6,
  };
  for (const QKeySequence& key : keys) Press(key);
  for (int id : {57643, 57635, 57634, 57637}) EXPECT_FALSE(Click(id)) << id;
  EXPECT_EQ(Observe(Doc(), Frame()), before);
  EXPECT_TRUE(boxes.Entries().isEmpty());
  EXPECT_TRUE(app->prompts.isEmpty());
  EXPECT_EQ(Bytes(file), bytes);
}

TEST_F(AppTest, FileKeysReachTheirCommands) {
  const QString file = WriteDesign("body.vsk", 45.0);
  ASSERT_TRUE(Start({file}));
  Doc()->m_length = 44.0;
  Doc()->SetModifiedFlag();
  Press(Qt::CTRL | Qt::Key_S);
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_EQ(Bytes(file).left(8), QByteArray::fromHex("0000000000004640"));  // 44.0

  Press(Qt::CTRL | Qt::Key_O);
  ASSERT_EQ(app->prompts.size(), 1);
  EXPECT_TRUE(app->prompts[0].open);

  Press(Qt::CTRL | Qt::Key_N);
  EXPECT_EQ(Doc()->GetTitle(), "Untitled");
}

}  // namespace
