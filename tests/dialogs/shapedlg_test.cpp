// The shape dialog worked from its fields and buttons: what it shows, what Calc and OK accept or
// refuse, what reaches the document and the picture, and the dialog's own unit buttons.
#include "dialogs/shapedlg.h"

#include <array>

#include "dialog_fixture.h"
#include "dialogs/dialog_ids.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"

namespace {

using ShapeDialogTest = DialogFixture<CShapeDlg>;

const QString kWaistMessage = "Waist must be less than both bouts";

// The document's eight shape values, to see that they did or did not change.
std::array<double, 8> ShapeOf(const CVeskDoc& d) {
  return {d.m_length, d.m_lowerBout, d.m_waist, d.m_upperBout, d.m_a3, d.m_a4, d.m_a5, d.m_a6};
}
const std::array<double, 8> kNewDesign = {49, 18.5, 12, 14, 0, -0.25, 0, -0.5};

TEST_F(ShapeDialogTest, ANewDesignShowsItsMeasurementsAndCoefficients) {
  EXPECT_EQ(dlg.Window()->windowTitle(), "Input Dialog");
  EXPECT_EQ(Text(dlg, IDC_LENGTH), "49");
  EXPECT_EQ(Text(dlg, IDC_LOWERBOUT), "18.5");
  EXPECT_EQ(Text(dlg, IDC_WAIST), "12");
  EXPECT_EQ(Text(dlg, IDC_UPPERBOUT), "14");
  EXPECT_EQ(Text(dlg, IDC_A3), "0");
  EXPECT_EQ(Text(dlg, IDC_A4), "-0.25");
  EXPECT_EQ(Text(dlg, IDC_A5), "0");
  EXPECT_EQ(Text(dlg, IDC_A6), "-0.5");
}

TEST_F(ShapeDialogTest, EveryRunStartsFromTheDocument) {
  Type(dlg, IDC_LENGTH, "60");
  Click(dlg, IDCANCEL);
  EXPECT_EQ(dlg.Result(), IDCANCEL);
  doc.m_length = 30.5;
  Reopen();
  EXPECT_EQ(Text(dlg, IDC_LENGTH), "30.5");
}

TEST_F(ShapeDialogTest, AWaistNotSmallerThanBothBoutsIsRefused) {
  const struct {
    const char *lower, *waist, *upper;
  } rows[] = {{"18.5", "14", "14"}, {"18.5", "18.5", "20"}, {"18.5", "15", "14"}, {"10", "12", "14"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.waist);
    boxes.Clear();
    Type(dlg, IDC_LOWERBOUT, row.lower);
    Type(dlg, IDC_WAIST, row.waist);
    Type(dlg, IDC_UPPERBOUT, row.upper);
    Click(dlg, IDC_CALC);
    ASSERT_EQ(boxes.Texts(), QStringList{kWaistMessage});
    EXPECT_EQ(boxes.Entries()[0].parent, dlg.Window());
    EXPECT_EQ(boxes.Entries()[0].caption, "vesk");
    EXPECT_EQ(ShapeOf(doc), kNewDesign);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(paints.Take(), 0);
    EXPECT_FALSE(dlg.IsEnded()) << "Calc leaves the dialog open";
  }
}

TEST_F(ShapeDialogTest, OkWithABadWaistShowsTheMessageAndClosesWithoutChangingTheDocument) {
  Type(dlg, IDC_WAIST, "15");
  Click(dlg, IDOK);
  EXPECT_EQ(boxes.Texts(), QStringList{kWaistMessage});
  EXPECT_TRUE(dlg.IsEnded());
  EXPECT_EQ(dlg.Result(), IDOK);
  EXPECT_EQ(ShapeOf(doc), kNewDesign);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ShapeDialogTest, CalcThenCancelKeepsTheAcceptedValuesAndTheModifiedFlag) {
  const QImage before = Picture(view);
  Type(dlg, IDC_LENGTH, "45");
  Type(dlg, IDC_LOWERBOUT, "17");
  Type(dlg, IDC_A6, "-0.4");
  Click(dlg, IDC_CALC);
  EXPECT_TRUE(boxes.Entries().isEmpty());
  const std::array<double, 8> accepted = {45, 17, 12, 14, 0, -0.25, 0, -0.4};
  EXPECT_EQ(ShapeOf(doc), accepted);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_fitValid, 1);
  EXPECT_NEAR(OutlineX(0.0), 45.0, 1e-9) << "the outline was fitted to the typed length";
  EXPECT_GT(paints.Take(), 0) << "the view was invalidated";
  const QImage after = Picture(view);
  EXPECT_GT(Ink(after), 0);
  EXPECT_NE(after, before);

  Click(dlg, IDCANCEL);
  EXPECT_EQ(dlg.Result(), IDCANCEL);
  EXPECT_EQ(ShapeOf(doc), accepted);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ShapeDialogTest, OkAcceptsAndCloses) {
  Type(dlg, IDC_UPPERBOUT, "15");
  Click(dlg, IDOK);
  EXPECT_TRUE(boxes.Entries().isEmpty());
  EXPECT_EQ(dlg.Result(), IDOK);
  EXPECT_EQ(doc.m_upperBout, 15.0);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ShapeDialogTest, AFailedFitKeepsTheShapeAndBlanksTheOutlineUntilAFitSucceeds) {
  Type(dlg, IDC_A6, "50");
  Click(dlg, IDC_CALC);
  EXPECT_EQ(boxes.Texts(), QStringList{"Calculation failed"});
  EXPECT_EQ(boxes.Entries()[0].parent, dlg.Window());
  EXPECT_EQ(ShapeOf(doc), kNewDesign);
  EXPECT_EQ(doc.m_fitValid, 0);
  EXPECT_EQ(g_shapeState.fitValid, 0);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(paints.Take(), 0) << "a failed fit does not invalidate the view";
  EXPECT_EQ(Ink(Picture(view)), 0) << "no outline, grid or text while the fit is invalid";

  Click(dlg, IDCANCEL);
  EXPECT_EQ(ShapeOf(doc), kNewDesign);
  EXPECT_EQ(g_shapeState.fitValid, 0);

  Reopen();
  Click(dlg, IDC_CALC);  // the document's own values fit again
  EXPECT_EQ(g_shapeState.fitValid, 1);
  EXPECT_EQ(doc.m_fitValid, 1);
  EXPECT_GT(Ink(Picture(view)), 0);
}

TEST_F(ShapeDialogTest, UnitButtonsConvertTheFieldsAndLeaveTheDocumentAlone) {
  Click(dlg, IDC_INTOCM);
  EXPECT_EQ(Text(dlg, IDC_LENGTH), "124.46");
  EXPECT_EQ(Text(dlg, IDC_LOWERBOUT), "46.99");
  EXPECT_EQ(Text(dlg, IDC_WAIST), "30.48");
  EXPECT_EQ(Text(dlg, IDC_UPPERBOUT), "35.56");
  EXPECT_EQ(Text(dlg, IDC_A3), "0");
  EXPECT_EQ(Text(dlg, IDC_A4), "-0.635");
  EXPECT_EQ(Text(dlg, IDC_A6), "-1.27");
  EXPECT_EQ(ShapeOf(doc), kNewDesign);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(paints.Take(), 0);

  Click(dlg, IDC_CMTOIN);
  EXPECT_EQ(Text(dlg, IDC_LENGTH), "49");
  EXPECT_EQ(Text(dlg, IDC_LOWERBOUT), "18.5");
  EXPECT_EQ(Text(dlg, IDC_A4), "-0.25");
  EXPECT_EQ(Text(dlg, IDC_A6), "-0.5");
  EXPECT_TRUE(boxes.Entries().isEmpty());
  EXPECT_EQ(ShapeOf(doc), kNewDesign);
}

TEST_F(ShapeDialogTest, ConvertedValuesReachTheDocumentThroughCalc) {
  Click(dlg, IDC_INTOCM);
  Click(dlg, IDC_CALC);
  EXPECT_NEAR(doc.m_length, 124.46, 1e-12);
  EXPECT_NEAR(doc.m_a4, -0.635, 1e-15);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ShapeDialogTest, UnitButtonsDoNotConvertPastAFieldThatDoesNotRead) {
  Type(dlg, IDC_WAIST, "twelve");
  Type(dlg, IDC_A3, "0.5");
  Click(dlg, IDC_INTOCM);
  EXPECT_EQ(boxes.Texts(), QStringList{"Please enter a number."});
  EXPECT_EQ(Text(dlg, IDC_WAIST), "twelve");
  EXPECT_EQ(Text(dlg, IDC_A3), "0.5") << "what the user typed is not overwritten";
  EXPECT_EQ(Text(dlg, IDC_LENGTH), "49");
  EXPECT_EQ(dlg.Window()->focusWidget(), dlg.GetDlgItem(IDC_WAIST));
}

// The fields in the order the dialog exchanges them: the member each fills, what the test types
// and the new design's value.
struct Bound {
  int id;
  double CShapeDlg::*member;
  const char* typed;
  double value;
  double old;
};
const Bound kExchangeOrder[] = {
    {IDC_A4, &CShapeDlg::m_a4, "-0.2", -0.2, -0.25},
    {IDC_A6, &CShapeDlg::m_a6, "-0.45", -0.45, -0.5},
    {IDC_LENGTH, &CShapeDlg::m_length, "50", 50, 49},
    {IDC_LOWERBOUT, &CShapeDlg::m_lowerBout, "19", 19, 18.5},
    {IDC_UPPERBOUT, &CShapeDlg::m_upperBout, "14.5", 14.5, 14},
    {IDC_WAIST, &CShapeDlg::m_waist, "12.5", 12.5, 12},
    {IDC_A3, &CShapeDlg::m_a3, "0.1", 0.1, 0},
    {IDC_A5, &CShapeDlg::m_a5, "0.05", 0.05, 0},
};
constexpr size_t kWaistIndex = 5;

TEST_F(ShapeDialogTest, AFieldThatIsNotANumberIsRefusedAndNothingAfterItChanges) {
  for (size_t bad = 0; bad < std::size(kExchangeOrder); ++bad) {
    for (const char* text : {"abc", "nan", "inf", "", "1e309"}) {
      SCOPED_TRACE(testing::Message() << "field " << kExchangeOrder[bad].id << " holds \"" << text << '"');
      ASSERT_TRUE(doc.OnNewDocument());
      Reopen();
      boxes.Clear();
      for (const Bound& f : kExchangeOrder) Type(dlg, f.id, f.typed);
      Type(dlg, kExchangeOrder[bad].id, text);

      Click(dlg, IDC_CALC);
      ASSERT_FALSE(boxes.Entries().isEmpty());
      EXPECT_EQ(boxes.Texts().front(), "Please enter a number.");
      EXPECT_EQ(boxes.Entries().front().parent, dlg.Window());
      EXPECT_EQ(dlg.Window()->focusWidget(), dlg.GetDlgItem(kExchangeOrder[bad].id));
      for (size_t i = 0; i < std::size(kExchangeOrder); ++i) {
        const Bound& f = kExchangeOrder[i];
        EXPECT_EQ(dlg.*f.member, i < bad ? f.value : f.old) << "field " << f.id;
      }
      // Calc goes on with the members as the exchange left them.
      EXPECT_EQ(doc.m_waist, bad > kWaistIndex ? 12.5 : 12.0);

      boxes.Clear();
      Click(dlg, IDOK);
      EXPECT_FALSE(dlg.IsEnded()) << "OK stays open while a field does not read";
      EXPECT_TRUE(boxes.Texts().contains("Please enter a number."));
    }
  }
}

}  // namespace
