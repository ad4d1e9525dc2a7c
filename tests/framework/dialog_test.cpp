// CDialog played as a user would: a small test template with edits, two radio groups, a push
// button and an icon; fields typed with QTest, buttons clicked, boxes caught by the recorder.
#include "framework/dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "common/message_box_recorder.h"
#include "framework/data_exchange.h"
#include "framework/dialog_units.h"

// Readable QStrings in failure messages.
void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

namespace {

constexpr int kFirst = 101, kSecond = 102, kRadioA = 201, kRadioB = 202, kRadioC = 203, kRadioD = 204,
              kGo = 300, kWrapped = 400, kRoomy = 401, kCramped = 402, kPrefixed = 403, kLiteral = 404;

// Rectangles on multiples of 4 across and 8 down land on whole pixels, so the test can name them.
const DialogTemplate kTestTemplate = {
    900,
    "Test Dialog",
    200,
    128,
    "MS Sans Serif",
    10,
    {
        dlg::DefPushButton(IDOK, "OK", {140, 104, 48, 16}),
        dlg::PushButton(IDCANCEL, "Cancel", {8, 104, 48, 16}),
        dlg::Label("First", {8, 8, 32, 8}),
        dlg::Edit(kFirst, {48, 8, 40, 16}, kAutoHScroll),
        dlg::Label("Second", {8, 24, 32, 8}),
        dlg::Edit(kSecond, {48, 24, 40, 16}, kAutoHScroll),
        dlg::AutoRadioButton(kRadioA, "A", {8, 48, 28, 8}, kGroup),
        dlg::AutoRadioButton(kRadioB, "B", {40, 48, 28, 8}),
        dlg::Label("-", {72, 48, 4, 8}),
        dlg::AutoRadioButton(kRadioC, "C", {8, 64, 28, 8}, kGroup),
        {DialogItemKind::AutoRadioButton, kRadioD, "D", {40, 64, 28, 8}, 0},  // no tab stop
        dlg::PushButton(kGo, "Go", {80, 104, 40, 16}),
        dlg::Icon("", {168, 8, 20, 20}),
        dlg::Label("A caption long enough to wrap", {96, 24, 60, 32}, 0, kWrapped),
        dlg::Label("A line that runs past its box", {8, 80, 20, 8}, 0, kRoomy),
        dlg::Label("Squeezed in by a button", {100, 88, 20, 8}, 0, kCramped),
        dlg::Label("&Name", {130, 64, 40, 8}, 0, kPrefixed),
        dlg::Label("&Name", {130, 72, 40, 8}, kNoPrefix, kLiteral),
        dlg::PushButton(500, "x", {124, 88, 8, 8}),
    }};

class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(kTestTemplate) {
    MapClicked(kGo, [this] { ++goClicks; });
  }
  bool OnInitDialog() override {
    ++initCalls;
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kFirst, m_first);
    DDX_Text(pDX, kSecond, m_second);
    DDX_Radio(pDX, kRadioA, m_choice1);
    DDX_Radio(pDX, kRadioC, m_choice2);
  }

  double m_first = 1.5;
  double m_second = -2.0;
  int m_choice1 = 0;
  int m_choice2 = -1;
  int goClicks = 0;
  int initCalls = 0;
};

QLineEdit* EditOf(const CDialog& d, int id) {
  return qobject_cast<QLineEdit*>(d.GetDlgItem(id));
}
QRadioButton* RadioOf(const CDialog& d, int id) {
  return qobject_cast<QRadioButton*>(d.GetDlgItem(id));
}
QPushButton* ButtonOf(const CDialog& d, int id) {
  return qobject_cast<QPushButton*>(d.GetDlgItem(id));
}

void Type(const CDialog& d, int id, const QString& text) {
  QLineEdit* edit = EditOf(d, id);
  edit->clear();
  QTest::keyClicks(edit, text);
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dlg.Create()); }
  TestDialog dlg;
  MessageBoxRecorder boxes;
};

TEST_F(DialogTest, ControlsSitWhereTheTemplatePutsThemInDialogUnits) {
  const QFontMetrics metrics(dlg.Window()->font());
  const int cx = static_cast<int>(std::floor(
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
          52.0 +
      0.5));
  const int cy = metrics.height();
  EXPECT_EQ(dlg.Window()->size(), QSize(50 * cx, 16 * cy));
  EXPECT_EQ(dlg.GetDlgItem(kFirst)->geometry(), QRect(12 * cx, cy, 10 * cx, 2 * cy));
  EXPECT_EQ(dlg.GetDlgItem(IDOK)->geometry(), QRect(35 * cx, 13 * cy, 12 * cx, 2 * cy));
  EXPECT_EQ(dlg.Window()->windowTitle(), "Test Dialog");
  EXPECT_EQ(ButtonOf(dlg, kGo)->text(), "Go");
}

TEST_F(DialogTest, StandInFontHasALineHeightLikeTheOriginal) {
  // MS Sans Serif 10 point is 16 pixels high at 96 dpi; the stand-in keeps the dialogs that size.
  const QFont font = dlg.Window()->font();
  EXPECT_DOUBLE_EQ(font.pointSizeF(), 10.5);
  EXPECT_EQ(font.family(), QApplication::font().family());
  DialogTemplate named = kTestTemplate;
  named.fontName = "DejaVu Serif";
  EXPECT_EQ(DialogFont(named).family(), "DejaVu Serif");
  EXPECT_EQ(DialogFont(named).pointSize(), 10);
}

TEST_F(DialogTest, LookupByIdFindsTheControlOfThatKind) {
  EXPECT_NE(EditOf(dlg, kFirst), nullptr);
  EXPECT_NE(RadioOf(dlg, kRadioB), nullptr);
  EXPECT_NE(ButtonOf(dlg, IDCANCEL), nullptr);
  EXPECT_EQ(dlg.GetDlgItem(12345), nullptr);
  dlg.DestroyWindow();
  EXPECT_EQ(dlg.GetDlgItem(kFirst), nullptr);
  EXPECT_FALSE(dlg.UpdateData(true));
}

TEST_F(DialogTest, TabOrderIsTemplateOrderOverTabStops) {
  QWidget* start = dlg.GetDlgItem(IDOK);
  std::vector<QWidget*> order;
  QWidget* w = start;
  do {
    if (w->focusPolicy() & Qt::TabFocus) order.push_back(w);
    w = w->nextInFocusChain();
  } while (w != start);
  std::vector<QWidget*> expected;
  for (int id : {int{IDOK}, int{IDCANCEL}, kFirst, kSecond, kRadioA, kRadioB, kRadioC, kGo, 500})
    expected.push_back(dlg.GetDlgItem(id));
  EXPECT_EQ(order, expected);
  EXPECT_EQ(dlg.Window()->focusWidget(), dlg.GetDlgItem(IDOK)) << "OnInitDialog returned true";
}

TEST_F(DialogTest, OnlyTheDefaultPushButtonIsDefault) {
  EXPECT_TRUE(ButtonOf(dlg, IDOK)->isDefault());
  EXPECT_FALSE(ButtonOf(dlg, IDCANCEL)->isDefault());
  EXPECT_FALSE(ButtonOf(dlg, kGo)->isDefault());
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonAndEscapeCancels) {
  dlg.Window()->show();
  Type(dlg, kFirst, "4.25");
  QTest::keyClick(EditOf(dlg, kFirst), Qt::Key_Return);
  EXPECT_TRUE(dlg.IsEnded());
  EXPECT_EQ(dlg.Result(), IDOK);
  EXPECT_EQ(dlg.m_first, 4.25);

  dlg.DestroyWindow();
  ASSERT_TRUE(dlg.Create());
  dlg.Window()->show();
  Type(dlg, kFirst, "9");
  QTest::keyClick(EditOf(dlg, kFirst), Qt::Key_Escape);
  EXPECT_TRUE(dlg.IsEnded());
  EXPECT_EQ(dlg.Result(), IDCANCEL);
  EXPECT_EQ(dlg.m_first, 4.25) << "Cancel reads nothing";
}

TEST_F(DialogTest, ButtonClicksGoToTheHandlerOfTheirId) {
  QTest::mouseClick(ButtonOf(dlg, kGo), Qt::LeftButton);
  QTest::mouseClick(ButtonOf(dlg, kGo), Qt::LeftButton);
  EXPECT_EQ(dlg.goClicks, 2);
  EXPECT_FALSE(dlg.IsEnded());
  ButtonOf(dlg, 500)->click();  // no handler: nothing happens
  EXPECT_FALSE(dlg.IsEnded());
  ButtonOf(dlg, IDCANCEL)->click();
  EXPECT_EQ(dlg.Result(), IDCANCEL);
}

TEST_F(DialogTest, DoublesAreShownWithFifteenSignificantDigits) {
  const struct {
    double value;
    const char* shown;
  } rows[] = {{1.0 / 3.0, "0.333333333333333"},
              {0.1, "0.1"},
              {49 * 2.54, "124.46"},
              {-0.25 * 2.54, "-0.635"},
              {1e20, "1e+20"},
              {-0.0, "-0"},
              {65.0, "65"},
              {2.0 / 3.0, "0.666666666666667"},
              {123456789012345678.0, "1.23456789012346e+17"}};
  for (const auto& row : rows) {
    dlg.m_first = row.value;
    ASSERT_TRUE(dlg.UpdateData(false));
    EXPECT_EQ(EditOf(dlg, kFirst)->text(), QString(row.shown));
  }
}

TEST_F(DialogTest, TypedNumbersAreReadBack) {
  const struct {
    const char* typed;
    double value;
  } rows[] = {{"12.5", 12.5}, {" 7 ", 7.0},       {"-0.635", -0.635},
              {"+3", 3.0},    {"1e-310", 1e-310}, {"2E3", 2000.0}};
  for (const auto& row : rows) {
    Type(dlg, kSecond, row.typed);
    EXPECT_TRUE(dlg.UpdateData(true)) << row.typed;
    EXPECT_EQ(dlg.m_second, row.value) << row.typed;
  }
  EXPECT_TRUE(boxes.Entries().isEmpty());
}

TEST_F(DialogTest, AFieldThatIsNotAFiniteNumberStopsTheExchange) {
  for (const char* bad : {"abc", "nan", "inf", "-inf", "", "1e309", "12,5", "3x", "0x10"}) {
    SCOPED_TRACE(bad);
    boxes.Clear();
    dlg.m_first = 1.5;
    dlg.m_second = -2.0;
    dlg.m_choice1 = 0;
    ASSERT_TRUE(dlg.UpdateData(false));
    Type(dlg, kFirst, "8.5");
    Type(dlg, kSecond, bad);
    RadioOf(dlg, kRadioB)->click();
    dlg.GetDlgItem(kFirst)->setFocus();

    EXPECT_FALSE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_first, 8.5) << "exchanged before the refused field";
    EXPECT_EQ(dlg.m_second, -2.0) << "the refused field keeps its member";
    EXPECT_EQ(dlg.m_choice1, 0) << "nothing after it is exchanged";
    ASSERT_EQ(boxes.Texts(), QStringList{"Please enter a number."});
    EXPECT_EQ(boxes.Entries()[0].parent, dlg.Window());
    EXPECT_EQ(boxes.Entries()[0].caption, "vesk");
    EXPECT_EQ(boxes.Entries()[0].style, MB_OK);
    EXPECT_EQ(dlg.Window()->focusWidget(), dlg.GetDlgItem(kSecond));
    EXPECT_EQ(EditOf(dlg, kSecond)->selectedText(), EditOf(dlg, kSecond)->text());
  }
}

TEST_F(DialogTest, RadioGroupsRunFromOneGroupStartToTheNext) {
  EXPECT_TRUE(RadioOf(dlg, kRadioA)->isChecked()) << "m_choice1 0 shown by OnInitDialog";
  EXPECT_FALSE(RadioOf(dlg, kRadioC)->isChecked() || RadioOf(dlg, kRadioD)->isChecked()) << "m_choice2 -1";

  QTest::mouseClick(RadioOf(dlg, kRadioB), Qt::LeftButton);
  QTest::mouseClick(RadioOf(dlg, kRadioD), Qt::LeftButton);
  EXPECT_FALSE(RadioOf(dlg, kRadioA)->isChecked()) << "B and A share a group";
  EXPECT_TRUE(RadioOf(dlg, kRadioB)->isChecked()) << "D is in another group";
  ASSERT_TRUE(dlg.UpdateData(true));
  EXPECT_EQ(dlg.m_choice1, 1);
  EXPECT_EQ(dlg.m_choice2, 1);

  dlg.m_choice1 = -1;
  dlg.m_choice2 = 0;
  ASSERT_TRUE(dlg.UpdateData(false));
  EXPECT_FALSE(RadioOf(dlg, kRadioA)->isChecked() || RadioOf(dlg, kRadioB)->isChecked());
  EXPECT_TRUE(RadioOf(dlg, kRadioC)->isChecked());
  ASSERT_TRUE(dlg.UpdateData(true));
  EXPECT_EQ(dlg.m_choice1, -1);
  EXPECT_EQ(dlg.RadioGroup(kRadioA).size(), 2u);
  EXPECT_TRUE(dlg.RadioGroup(kFirst).empty()) << "an edit starts no radio group";
}

TEST_F(DialogTest, OkClosesOnlyWhenTheFieldsRead) {
  Type(dlg, kFirst, "oops");
  ButtonOf(dlg, IDOK)->click();
  EXPECT_FALSE(dlg.IsEnded());
  EXPECT_EQ(boxes.Texts(), QStringList{"Please enter a number."});
  Type(dlg, kFirst, "3");
  ButtonOf(dlg, IDOK)->click();
  EXPECT_TRUE(dlg.IsEnded());
  EXPECT_EQ(dlg.Result(), IDOK);
  EXPECT_EQ(dlg.m_first, 3.0);
}

TEST_F(DialogTest, IconShowsTheApplicationIcon) {
  dlg.DestroyWindow();
  QPixmap red(32, 32);
  red.fill(Qt::red);
  const QIcon previous = QApplication::windowIcon();
  QApplication::setWindowIcon(QIcon(red));
  ASSERT_TRUE(dlg.Create());
  QApplication::setWindowIcon(previous);
  QLabel* icon = nullptr;
  for (QLabel* label : dlg.Window()->findChildren<QLabel*>())
    if (!label->pixmap().isNull()) icon = label;
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));
  EXPECT_EQ(icon->pos(), DialogToPixels({168, 8, 20, 20}, BaseUnitsOf(dlg.Window()->font())).topLeft());
}

TEST_F(DialogTest, LabelsWrapInsideTheirBoxAndGrowOnlyIntoFreeSpace) {
  auto* wrapped = qobject_cast<QLabel*>(dlg.GetDlgItem(kWrapped));
  const int lines = wrapped->heightForWidth(wrapped->width()) / wrapped->fontMetrics().lineSpacing();
  EXPECT_GE(lines, 2);
  EXPECT_LE(wrapped->heightForWidth(wrapped->width()), wrapped->height());

  auto* roomy = qobject_cast<QLabel*>(dlg.GetDlgItem(kRoomy));
  EXPECT_GE(roomy->width(), roomy->fontMetrics().horizontalAdvance(roomy->text()));
  auto* cramped = qobject_cast<QLabel*>(dlg.GetDlgItem(kCramped));
  const DialogBaseUnits units = BaseUnitsOf(dlg.Window()->font());
  EXPECT_EQ(cramped->width(), DialogXToPixels(20, units)) << "a button stands in the way";
}

TEST_F(DialogTest, LabelAmpersandsFollowTheNoPrefixStyle) {
  EXPECT_EQ(qobject_cast<QLabel*>(dlg.GetDlgItem(kPrefixed))->text(), "Name");
  EXPECT_EQ(qobject_cast<QLabel*>(dlg.GetDlgItem(kLiteral))->text(), "&Name");
}

TEST(DialogModal, DoModalRunsInitAndReturnsTheResultThenDropsTheWindow) {
  MessageBoxRecorder boxes;
  TestDialog dlg;
  QTimer::singleShot(0, [&] {
    ASSERT_NE(dlg.Window(), nullptr);
    EXPECT_TRUE(dlg.Window()->isModal());
    Type(dlg, kFirst, "6.5");
    ButtonOf(dlg, IDOK)->click();
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.Window(), nullptr);
  EXPECT_EQ(dlg.m_first, 6.5);
  EXPECT_EQ(dlg.initCalls, 1);

  QTimer::singleShot(0, [&] { QTest::keyClick(dlg.Window(), Qt::Key_Escape); });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.initCalls, 2) << "every run builds a fresh window";
  EXPECT_EQ(dlg.Window(), nullptr);
}

TEST(DialogModal, ADialogThatAlreadyHasAWindowDoesNotRunAgain) {
  TestDialog dlg;
  ASSERT_TRUE(dlg.Create());
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_FALSE(dlg.Create());
}

TEST(DialogModal, AWindowTakenByItsParentLeavesTheDialogUsable) {
  TestDialog dlg;
  auto* parent = new QWidget;
  ASSERT_TRUE(dlg.Create(parent));
  delete parent;
  EXPECT_EQ(dlg.Window(), nullptr);
  EXPECT_TRUE(dlg.Create());
}

}  // namespace
