// The soundhole dialog worked from its fields, radio buttons and buttons: the checks on the hole,
// the classical placement, what reaches the document, the view's fingerboard verdict and the picture.
#include "dialogs/soundholedlg.h"

#include <cmath>

#include "dialog_fixture.h"
#include "dialogs/dialog_ids.h"

namespace {

using SoundholeDialogTest = DialogFixture<CSoundholeDlg>;

const QString kProtrudes = "Soundhole placement protrudes out of guitar outline.";
const QString kTooWide = "Soundhole diameter exceeds waist width.";

TEST_F(SoundholeDialogTest, ANewDesignShowsTheDefaultsWithFixedChecked) {
  EXPECT_EQ(dlg.Window()->windowTitle(), "Enter soundhole parameters");
  EXPECT_EQ(Text(dlg, IDC_HOLEDIAMETER), "8.8");
  EXPECT_EQ(Text(dlg, IDC_HOLEPOSITION), "0");
  EXPECT_EQ(Text(dlg, IDC_SCALELENGTH), "65");
  EXPECT_EQ(Text(dlg, IDC_NUTWIDTH), "5.2");
  EXPECT_EQ(Text(dlg, IDC_FRET12WIDTH), "6.2");
  EXPECT_EQ(Text(dlg, IDC_FRET19WIDTH), "0");
  EXPECT_TRUE(IsChecked(dlg, IDC_FIXED));
  EXPECT_FALSE(IsChecked(dlg, IDC_CLASSICAL));
}

TEST_F(SoundholeDialogTest, FixedAtPositionZeroWarnsAndIsAccepted) {
  const QImage before = Picture(view);
  Click(dlg, IDC_CALC);
  EXPECT_EQ(boxes.Texts(), QStringList{kProtrudes});
  EXPECT_EQ(boxes.Entries()[0].parent, dlg.Window());
  EXPECT_EQ(boxes.Entries()[0].caption, "vesk");
  EXPECT_EQ(doc.m_holeDefined, 1);
  EXPECT_EQ(doc.m_jointFret, 14);
  EXPECT_EQ(doc.m_holeDiameter, 8.8);
  EXPECT_EQ(doc.m_holePosition, 0.0);
  EXPECT_EQ(view.m_fingerboardReady, 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_GT(paints.Take(), 0);
  EXPECT_NE(Picture(view), before) << "the hole is drawn";
  EXPECT_FALSE(dlg.IsEnded());
}

TEST_F(SoundholeDialogTest, ClassicalPlacementOnTheDefaultsFillsInTheFields) {
  Click(dlg, IDC_CLASSICAL);
  EXPECT_FALSE(IsChecked(dlg, IDC_FIXED));
  Click(dlg, IDC_CALC);
  EXPECT_TRUE(boxes.Entries().isEmpty()) << "4.4 < 15.07 < 44.6";
  EXPECT_NEAR(Number(dlg, IDC_FRET19WIDTH), 6.5326, 5e-5);
  EXPECT_NEAR(Number(dlg, IDC_HOLEPOSITION), 15.072, 5e-4);
  EXPECT_NEAR(doc.m_fret19Width, Number(dlg, IDC_FRET19WIDTH), 1e-13);
  EXPECT_NEAR(doc.m_holePosition, Number(dlg, IDC_HOLEPOSITION), 1e-13);
  EXPECT_EQ(doc.m_jointFret, 12);
  EXPECT_EQ(doc.m_holeDefined, 1);
  EXPECT_EQ(view.m_fingerboardReady, 1);
}

TEST_F(SoundholeDialogTest, ATypedNineteenthFretWidthIsNeverRecomputed) {
  Click(dlg, IDC_CLASSICAL);
  Type(dlg, IDC_FRET19WIDTH, "7");
  Click(dlg, IDC_CALC);
  EXPECT_EQ(Text(dlg, IDC_FRET19WIDTH), "7");
  EXPECT_NEAR(Number(dlg, IDC_HOLEPOSITION), 15.0514, 5e-4);  // 10.8089 + sqrt(4.4^2 - (7/6)^2)

  Type(dlg, IDC_FRET19WIDTH, "-3");
  Click(dlg, IDC_CALC);
  EXPECT_EQ(Text(dlg, IDC_FRET19WIDTH), "-3") << "negative values are used as typed too";
}

TEST_F(SoundholeDialogTest, AClassicalPlacementWithoutARealPositionKeepsTheTypedOneAndWarns) {
  Click(dlg, IDC_CLASSICAL);
  Type(dlg, IDC_HOLEDIAMETER, "2");  // radius 1, below a sixth of the 19th-fret width
  Type(dlg, IDC_HOLEPOSITION, "20");
  Click(dlg, IDC_CALC);
  EXPECT_EQ(boxes.Texts(), QStringList{kProtrudes});
  EXPECT_EQ(Text(dlg, IDC_HOLEPOSITION), "20");
  EXPECT_EQ(doc.m_holePosition, 20.0);
  EXPECT_NEAR(doc.m_fret19Width, 6.5326, 5e-5);
  EXPECT_EQ(doc.m_holeDefined, 1);
  EXPECT_EQ(doc.m_jointFret, 12);
}

TEST_F(SoundholeDialogTest, AClassicalPlacementOnAZeroScaleStoresNoNan) {
  Click(dlg, IDC_CLASSICAL);
  Type(dlg, IDC_SCALELENGTH, "0");
  Click(dlg, IDC_CALC);
  EXPECT_EQ(Text(dlg, IDC_FRET19WIDTH), "0") << "the taper over a zero scale has no value";
  EXPECT_EQ(Text(dlg, IDC_HOLEPOSITION), "4.4");
  EXPECT_TRUE(std::isfinite(doc.m_fret19Width));
  EXPECT_TRUE(std::isfinite(doc.m_holePosition));
}

TEST_F(SoundholeDialogTest, AHoleAsWideAsTheWaistIsRefused) {
  for (const char* diameter : {"24", "30", "1e300"}) {
    SCOPED_TRACE(diameter);
    boxes.Clear();
    Type(dlg, IDC_HOLEDIAMETER, diameter);
    Click(dlg, IDC_CALC);
    EXPECT_EQ(boxes.Texts(), QStringList{kTooWide});
    EXPECT_EQ(Text(dlg, IDC_HOLEDIAMETER), diameter);
    EXPECT_EQ(doc.m_holeDiameter, 8.8);
    EXPECT_EQ(doc.m_holeDefined, 0);
    EXPECT_EQ(view.m_fingerboardReady, 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(paints.Take(), 0);
  }
  boxes.Clear();
  Type(dlg, IDC_HOLEDIAMETER, "23.9");
  Type(dlg, IDC_HOLEPOSITION, "20");
  Click(dlg, IDC_CALC);
  EXPECT_TRUE(boxes.Entries().isEmpty());
  EXPECT_EQ(doc.m_holeDiameter, 23.9);
}

TEST_F(SoundholeDialogTest, OkAfterARefusedHoleStillCloses) {
  Type(dlg, IDC_HOLEDIAMETER, "24");
  Click(dlg, IDOK);
  EXPECT_EQ(boxes.Texts(), QStringList{kTooWide});
  EXPECT_EQ(dlg.Result(), IDOK);
  EXPECT_EQ(doc.m_holeDefined, 0);
}

TEST_F(SoundholeDialogTest, TheFingerboardIsReadyOnlyWhileTheNutIsNarrowerThanTheTwelfthFret) {
  const struct {
    const char *nut, *fret12;
    int ready;
  } rows[] = {{"5.2", "6.2", 1}, {"6.2", "6.2", 0}, {"0", "6.2", 0}, {"7", "6.2", 0}, {"0.1", "0.2", 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.nut << " / " << row.fret12);
    Type(dlg, IDC_HOLEPOSITION, "20");
    Type(dlg, IDC_NUTWIDTH, row.nut);
    Type(dlg, IDC_FRET12WIDTH, row.fret12);
    Click(dlg, IDC_CALC);
    EXPECT_EQ(view.m_fingerboardReady, row.ready);
    EXPECT_EQ(doc.m_holeDefined, 1) << "the hole is accepted either way";
  }
}

TEST_F(SoundholeDialogTest, WithoutFingerboardDataShowFingerboardOnlyShowsItsMessage) {
  Type(dlg, IDC_NUTWIDTH, "6.2");
  Click(dlg, IDOK);
  ASSERT_EQ(view.m_fingerboardReady, 0);
  boxes.Clear();
  view.OnShowFingerboard();
  ASSERT_EQ(boxes.Texts().size(), 1);
  EXPECT_TRUE(boxes.Texts()[0].startsWith("Insufficient data to draw fingerboard"));
  EXPECT_EQ(view.m_showFingerboard, 0);
}

TEST_F(SoundholeDialogTest, EveryRunStartsWithFixedAndTheDocumentsValues) {
  Click(dlg, IDC_CLASSICAL);
  Click(dlg, IDOK);
  ASSERT_EQ(doc.m_jointFret, 12);
  Reopen();
  EXPECT_TRUE(IsChecked(dlg, IDC_FIXED));
  EXPECT_FALSE(IsChecked(dlg, IDC_CLASSICAL));
  EXPECT_NEAR(Number(dlg, IDC_HOLEPOSITION), doc.m_holePosition, 1e-12) << "shown with 15 digits";
}

TEST_F(SoundholeDialogTest, CalcThenCancelKeepsTheAcceptedValues) {
  Type(dlg, IDC_HOLEPOSITION, "18");
  Click(dlg, IDC_CALC);
  Click(dlg, IDCANCEL);
  EXPECT_EQ(dlg.Result(), IDCANCEL);
  EXPECT_EQ(doc.m_holePosition, 18.0);
  EXPECT_EQ(doc.m_holeDefined, 1);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(SoundholeDialogTest, UnitButtonsConvertTheFieldsAndKeepThePlacement) {
  Click(dlg, IDC_CLASSICAL);
  Click(dlg, IDC_INTOCM);
  EXPECT_EQ(Text(dlg, IDC_HOLEDIAMETER), "22.352");
  EXPECT_EQ(Text(dlg, IDC_SCALELENGTH), "165.1");
  EXPECT_EQ(Text(dlg, IDC_NUTWIDTH), "13.208");
  EXPECT_EQ(Text(dlg, IDC_FRET12WIDTH), "15.748");
  EXPECT_EQ(Text(dlg, IDC_FRET19WIDTH), "0");
  EXPECT_TRUE(IsChecked(dlg, IDC_CLASSICAL));
  EXPECT_EQ(doc.m_scaleLength, 65.0);
  EXPECT_FALSE(doc.IsModified());

  Click(dlg, IDC_CMTOIN);
  EXPECT_EQ(Text(dlg, IDC_HOLEDIAMETER), "8.8");
  EXPECT_EQ(Text(dlg, IDC_SCALELENGTH), "65");
  EXPECT_EQ(Text(dlg, IDC_FRET12WIDTH), "6.2");
  EXPECT_TRUE(IsChecked(dlg, IDC_CLASSICAL));
  EXPECT_TRUE(boxes.Entries().isEmpty());
}

struct Bound {
  int id;
  double CSoundholeDlg::*member;
  const char* typed;
  double value;
  double old;
};
const Bound kExchangeOrder[] = {
    {IDC_SCALELENGTH, &CSoundholeDlg::m_scaleLength, "64", 64, 65},
    {IDC_HOLEDIAMETER, &CSoundholeDlg::m_holeDiameter, "9", 9, 8.8},
    {IDC_HOLEPOSITION, &CSoundholeDlg::m_holePosition, "16", 16, 0},
    {IDC_NUTWIDTH, &CSoundholeDlg::m_nutWidth, "5", 5, 5.2},
    {IDC_FRET12WIDTH, &CSoundholeDlg::m_fret12Width, "6", 6, 6.2},
    {IDC_FRET19WIDTH, &CSoundholeDlg::m_fret19Width, "6.4", 6.4, 0},
};

TEST_F(SoundholeDialogTest, AFieldThatIsNotANumberIsRefusedAndNothingAfterItChanges) {
  for (size_t bad = 0; bad < std::size(kExchangeOrder); ++bad) {
    for (const char* text : {"abc", "nan", "inf", "", "1e309"}) {
      SCOPED_TRACE(testing::Message() << "field " << kExchangeOrder[bad].id << " holds \"" << text << '"');
      ASSERT_TRUE(doc.OnNewDocument());
      Reopen();
      boxes.Clear();
      for (const Bound& f : kExchangeOrder) Type(dlg, f.id, f.typed);
      Type(dlg, kExchangeOrder[bad].id, text);
      Click(dlg, IDC_CLASSICAL);

      Click(dlg, IDC_CALC);
      ASSERT_FALSE(boxes.Entries().isEmpty());
      EXPECT_EQ(boxes.Texts().front(), "Please enter a number.");
      EXPECT_EQ(dlg.Window()->focusWidget(), dlg.GetDlgItem(kExchangeOrder[bad].id));
      EXPECT_EQ(dlg.m_placement, 0) << "the radio group comes after every field";
      EXPECT_EQ(doc.m_jointFret, 14);
      for (size_t i = 0; i < std::size(kExchangeOrder); ++i) {
        const Bound& f = kExchangeOrder[i];
        EXPECT_EQ(dlg.*f.member, i < bad ? f.value : f.old) << "field " << f.id;
      }

      EXPECT_EQ(Text(dlg, kExchangeOrder[bad].id), text) << "the refused text stays for the user to fix";
      for (size_t i = bad + 1; i < std::size(kExchangeOrder); ++i)
        EXPECT_EQ(Text(dlg, kExchangeOrder[i].id), kExchangeOrder[i].typed)
            << "typed after the refused field";

      boxes.Clear();
      Click(dlg, IDOK);
      EXPECT_FALSE(dlg.IsEnded()) << "OK stays open while a field does not read";
    }
  }
}

}  // namespace
