// The view's commands through the View menu: the toggles and their check marks, the fingerboard's
// insufficient-data message, the side length box, and flags that outlive New and Open.
#include <QAction>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QTest>

#include "app_fixture.h"
#include "document/command_ids.h"
#include "document/veskdoc.h"
#include "framework/frame_wnd.h"
#include "framework/standard_ids.h"
#include "ui_actions.h"
#include "view/veskview.h"

namespace {

const QString kInsufficient =
    "Insufficient data to draw fingerboard,  Return to\nSoundhole dialog and ensure scale and fingerboard\n"
    "widths at nut and fret 12 are properly defined,";

// Counts the paints a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

class ViewCommands : public AppTest {
 protected:
  CVeskView* View() const { return static_cast<CVeskView*>(Frame()->GetActiveView()); }
  // Whether the item shows a check mark once the View menu is open.
  bool CheckedInMenu(int id) {
    EXPECT_TRUE(ui::OpenMenu(Frame(), Menu("View")));
    const bool checked = Action(id)->isCheckable() && Action(id)->isChecked();
    ui::CloseMenu(Menu("View"));
    return checked;
  }
  // Clicks the item and lets the window repaint; returns the number of paints of the view.
  int ClickAndCountPaints(int id) {
    PaintCounter counter(View());
    EXPECT_TRUE(Click(id));
    QTest::qWait(20);
    return counter.paints;
  }
};

TEST_F(ViewCommands, AtStartNothingIsCheckedAndEveryViewItemIsEnabled) {
  ASSERT_TRUE(Start());
  for (int id : {ID_VIEW_VERTICAL, ID_VIEW_SHOWFINGERBOARD, ID_VIEW_SHOWDATA})
    EXPECT_FALSE(CheckedInMenu(id)) << id;
  ASSERT_TRUE(ui::OpenMenu(Frame(), Menu("View")));
  for (int id : {ID_VIEW_VERTICAL, ID_VIEW_SHOWFINGERBOARD, ID_VIEW_SHOWDATA, ID_VIEW_SIDELENGTH})
    EXPECT_TRUE(Action(id)->isEnabled()) << id;
  ui::CloseMenu(Menu("View"));
}

TEST_F(ViewCommands, VerticalAndShowDataToggleTheirCheckMarksAndRepaint) {
  ASSERT_TRUE(Start());
  for (int id : {ID_VIEW_VERTICAL, ID_VIEW_SHOWDATA}) {
    int CVeskView::*flag = id == ID_VIEW_VERTICAL ? &CVeskView::m_vertical : &CVeskView::m_showData;
    EXPECT_GT(ClickAndCountPaints(id), 0) << id;
    EXPECT_EQ(View()->*flag, 1) << id;
    EXPECT_TRUE(CheckedInMenu(id)) << id;
    EXPECT_GT(ClickAndCountPaints(id), 0) << id;
    EXPECT_EQ(View()->*flag, 0) << id;
    EXPECT_FALSE(CheckedInMenu(id)) << id;
  }
  EXPECT_TRUE(boxes.Entries().isEmpty());
  EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(ViewCommands, ShowFingerboardWithoutSufficientDataOnlyShowsTheMessage) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Click(ID_VIEW_SHOWFINGERBOARD));
  ASSERT_EQ(boxes.Entries().size(), 1);
  EXPECT_EQ(boxes.Entries()[0].text, kInsufficient);
  EXPECT_EQ(boxes.Entries()[0].caption, "vesk");
  EXPECT_EQ(boxes.Entries()[0].style, MB_OK);
  EXPECT_EQ(View()->m_showFingerboard, 0);
  EXPECT_FALSE(CheckedInMenu(ID_VIEW_SHOWFINGERBOARD));
}

TEST_F(ViewCommands, ShowFingerboardTogglesOnlyWhileTheDataSuffice) {
  ASSERT_TRUE(Start());
  View()->m_fingerboardReady = 1;  // as the soundhole dialog's Calc sets it
  EXPECT_GT(ClickAndCountPaints(ID_VIEW_SHOWFINGERBOARD), 0);
  EXPECT_TRUE(CheckedInMenu(ID_VIEW_SHOWFINGERBOARD));
  EXPECT_TRUE(boxes.Entries().isEmpty());

  // The data became insufficient: the mark stays on and the item cannot switch it off.
  View()->m_fingerboardReady = 0;
  ASSERT_TRUE(Click(ID_VIEW_SHOWFINGERBOARD));
  EXPECT_EQ(boxes.Texts(), QStringList{kInsufficient});
  EXPECT_EQ(View()->m_showFingerboard, 1);
  EXPECT_TRUE(CheckedInMenu(ID_VIEW_SHOWFINGERBOARD));

  View()->m_fingerboardReady = 1;
  ASSERT_TRUE(Click(ID_VIEW_SHOWFINGERBOARD));
  EXPECT_EQ(View()->m_showFingerboard, 0);
  EXPECT_FALSE(CheckedInMenu(ID_VIEW_SHOWFINGERBOARD));
}

TEST_F(ViewCommands, SideLengthShowsSixDecimalsInAnOkBoxTitledVesk) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Click(ID_VIEW_SIDELENGTH));
  ASSERT_EQ(boxes.Entries().size(), 1);
  // The default design's half outline, 72.2449975377065 units long.
  EXPECT_EQ(boxes.Entries()[0].text, "72.244998");
  EXPECT_EQ(boxes.Entries()[0].caption, "vesk");
  EXPECT_EQ(boxes.Entries()[0].style, MB_OK);
}

TEST_F(ViewCommands, FlagsKeepTheirValuesAcrossNewAndOpen) {
  const QString file = WriteDesign("body.vsk", 45.0);
  ASSERT_TRUE(Start());
  CVeskView* const view = View();
  view->m_fingerboardReady = 1;
  for (int id : {ID_VIEW_VERTICAL, ID_VIEW_SHOWDATA, ID_VIEW_SHOWFINGERBOARD}) ASSERT_TRUE(Click(id));
  ASSERT_TRUE(Click(ID_FILE_NEW));
  app->fileAnswers << file;
  ASSERT_TRUE(Click(ID_FILE_OPEN));
  EXPECT_EQ(View(), view);
  EXPECT_EQ(view->m_vertical, 1);
  EXPECT_EQ(view->m_showData, 1);
  EXPECT_EQ(view->m_showFingerboard, 1);
  EXPECT_EQ(view->m_fingerboardReady, 1);
  for (int id : {ID_VIEW_VERTICAL, ID_VIEW_SHOWDATA, ID_VIEW_SHOWFINGERBOARD})
    EXPECT_TRUE(CheckedInMenu(id)) << id;
}

TEST_F(ViewCommands, StartUpPaintsTheDefaultOutline) {
  ASSERT_TRUE(Start());
  QImage shown = Frame()->GetActiveView()->grab().toImage();
  ASSERT_FALSE(shown.isNull());
  // A fitted design paints black outline pixels on the white area; a missing fit paints none.
  int black = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) black += shown.pixelColor(x, y) == Qt::black;
  EXPECT_GT(black, 100);
  EXPECT_GT(View()->m_scale, 1.0);
}

TEST_F(ViewCommands, InputSoundholeFollowsTheFitAndInputShapeIsAlwaysEnabled) {
  // A waist wider than both bouts cannot be fitted.
  const QString unfit = dir.filePath("unfit.vsk");
  QFile out(unfit);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  QByteArray bytes(68, '\0');
  const double values[] = {49.0, 18.5, 30.0, 14.0, 0.0, -0.25, 0.0, -0.5};
  memcpy(bytes.data(), values, sizeof values);
  out.write(bytes);
  out.close();
  ASSERT_TRUE(Start({unfit}));
  ASSERT_TRUE(ui::OpenMenu(Frame(), Menu("&Edit")));
  EXPECT_FALSE(Action(ID_EDIT_INPUTSOUNDHOLE)->isEnabled());
  EXPECT_TRUE(Action(ID_EDIT_INPUTSHAPE)->isEnabled());
  ui::CloseMenu(Menu("&Edit"));

  ASSERT_TRUE(Click(ID_FILE_NEW));
  ASSERT_TRUE(ui::OpenMenu(Frame(), Menu("&Edit")));
  EXPECT_TRUE(Action(ID_EDIT_INPUTSOUNDHOLE)->isEnabled());
  EXPECT_TRUE(Action(ID_EDIT_INPUTSHAPE)->isEnabled());
  ui::CloseMenu(Menu("&Edit"));
}

// Which class answers first for each command, against what the menu's command table says.
TEST_F(ViewCommands, EachCommandReachesTheClassMeantToHandleIt) {
  ASSERT_TRUE(Start());
  enum Who { kView, kDocument, kFrame, kApplication, kNobody };
  const std::vector<std::pair<int, Who>> expected = {
      {32772, kView},        {32773, kView},        {32774, kView},        {32777, kView},
      {32778, kView},        {32779, kView},        {32775, kDocument},    {32776, kDocument},
      {57603, kDocument},    {57604, kDocument},    {57600, kApplication}, {57601, kApplication},
      {57664, kApplication}, {57665, kApplication}, {57616, kApplication}, {57643, kNobody},
      {57635, kNobody},      {57634, kNobody},      {57637, kNobody},      {57680, kNobody},
      {57681, kNobody},
  };
  const std::vector<CCmdTarget*> chain = {View(), Doc(), Frame(), app.get()};
  for (const auto& [id, who] : expected) {
    int first = kNobody;
    for (size_t i = 0; i < chain.size() && first == kNobody; ++i)
      if (chain[i]->OnCmdMsg(id, CmdMsg::Probe, nullptr)) first = static_cast<int>(i);
    EXPECT_EQ(first, who) << id;
  }
}

}  // namespace
