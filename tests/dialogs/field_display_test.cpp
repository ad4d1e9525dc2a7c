// What a number field shows, read from its pixels: a number longer than its field shows its sign
// and integer part, in every field of both dialogs, after every exchange; the text keeps its 15
// significant digits.
#include <QFontMetrics>
#include <QLineEdit>
#include <initializer_list>
#include <memory>

#include "dialog_fixture.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/shapedlg.h"
#include "dialogs/soundholedlg.h"

namespace {

const std::initializer_list<int> kShapeFields = {IDC_LENGTH, IDC_LOWERBOUT, IDC_WAIST, IDC_UPPERBOUT,
                                                 IDC_A3,     IDC_A4,        IDC_A5,    IDC_A6};
const std::initializer_list<int> kSoundholeFields = {IDC_HOLEDIAMETER, IDC_HOLEPOSITION, IDC_SCALELENGTH,
                                                     IDC_NUTWIDTH,     IDC_FRET12WIDTH,  IDC_FRET19WIDTH};

QImage Pixels(QWidget* w) {
  return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where the field draws its cursor, after its scrolling (the input method's view of it).
QRect CursorRect(QLineEdit* field) {
  return field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
}

// A fresh edit beside the field, with its size and frame, showing only the first characters of the
// field's text that fit; it has never scrolled, so it shows what the field's start looks like.
std::unique_ptr<QLineEdit> Reference(QLineEdit* field, const QString& shown) {
  auto ref = std::make_unique<QLineEdit>(field->parentWidget());
  ref->setFrame(field->hasFrame());
  ref->setGeometry(field->geometry());
  ref->setText(shown);
  ref->setCursorPosition(0);
  ref->show();
  return ref;
}

// The longest start of text whose width leaves a few pixels free inside the field.
QString VisibleStart(QLineEdit* field) {
  const QFontMetrics metrics(field->font());
  const QString text = field->text();
  int n = text.size();
  while (n > 0 && metrics.horizontalAdvance(text.left(n)) > field->width() - 16) --n;
  return text.left(n);
}

void ExpectShowsItsStart(const CDialog& dlg, int id) {
  SCOPED_TRACE(testing::Message() << "field " << id << " holds " << Text(dlg, id).toStdString());
  QLineEdit* field = Field(dlg, id);
  ASSERT_FALSE(field->hasFocus()) << "a focused field draws its cursor";
  EXPECT_EQ(field->cursorPosition(), 0);
  const QImage shown = Pixels(field);  // the paint settles the field's scrolling
  const QString start = VisibleStart(field);
  ASSERT_FALSE(start.isEmpty());
  const auto ref = Reference(field, start);
  const QImage expected = Pixels(ref.get());
  EXPECT_EQ(CursorRect(field).left(), CursorRect(ref.get()).left()) << "the text is scrolled";
  // Columns up to the end of the visible start: frame, margin and the leading characters.
  const int textLeft = CursorRect(ref.get()).center().x();
  const int columns = textLeft + QFontMetrics(field->font()).horizontalAdvance(start) - 1;
  ASSERT_LT(columns, shown.width());
  EXPECT_EQ(shown.copy(0, 0, columns, shown.height()), expected.copy(0, 0, columns, expected.height()))
      << "the field does not show " << start.toStdString() << " at its left";
}

using SoundholeFields = DialogFixture<CSoundholeDlg>;
using ShapeFields = DialogFixture<CShapeDlg>;

TEST_F(SoundholeFields, ClassicalCalcShowsThePositionAndTheWidthFromTheirIntegerPart) {
  Click(dlg, IDC_CLASSICAL);
  Click(dlg, IDC_CALC);
  ASSERT_TRUE(boxes.Entries().isEmpty());
  // 15 significant digits, more than the fields can show.
  EXPECT_EQ(Text(dlg, IDC_HOLEPOSITION).size(), 16);
  EXPECT_TRUE(Text(dlg, IDC_HOLEPOSITION).startsWith("15.07"));
  EXPECT_TRUE(Text(dlg, IDC_FRET19WIDTH).startsWith("6.53"));
  EXPECT_NEAR(Text(dlg, IDC_HOLEPOSITION).toDouble(), doc.m_holePosition, 1e-13);
  EXPECT_NEAR(Text(dlg, IDC_FRET19WIDTH).toDouble(), doc.m_fret19Width, 1e-13);
  for (int id : kSoundholeFields) ExpectShowsItsStart(dlg, id);

  Click(dlg, IDC_INTOCM);
  Click(dlg, IDC_CMTOIN);
  for (int id : kSoundholeFields) ExpectShowsItsStart(dlg, id);
}

TEST_F(SoundholeFields, OpeningOnLongValuesShowsTheirStart) {
  doc.m_holePosition = -15.0720195465582;
  doc.m_scaleLength = 25.5905511811024;
  Reopen();
  EXPECT_EQ(Text(dlg, IDC_HOLEPOSITION), "-15.0720195465582");
  Field(dlg, IDC_HOLEDIAMETER)->clearFocus();
  for (int id : kSoundholeFields) ExpectShowsItsStart(dlg, id);
}

TEST_F(ShapeFields, CentimetresToInchesShowsTheIntegerPart) {
  Type(dlg, IDC_LENGTH, "86");
  Type(dlg, IDC_A4, "-0.3");
  Click(dlg, IDC_CMTOIN);
  EXPECT_EQ(Text(dlg, IDC_LENGTH), "33.8582677165354");
  EXPECT_EQ(Text(dlg, IDC_A4), "-0.118110236220472");
  for (int id : kShapeFields) ExpectShowsItsStart(dlg, id);

  Click(dlg, IDC_INTOCM);
  Click(dlg, IDC_CALC);
  for (int id : kShapeFields) ExpectShowsItsStart(dlg, id);
}

TEST_F(ShapeFields, OpeningOnLongValuesShowsTheirStart) {
  doc.m_length = 19.2913385826772;
  doc.m_lowerBout = 7.28346456692913;
  doc.m_a6 = -0.196850393700787;
  Reopen();
  Field(dlg, IDC_LENGTH)->clearFocus();
  for (int id : kShapeFields) ExpectShowsItsStart(dlg, id);
}

}  // namespace
