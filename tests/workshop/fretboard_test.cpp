// The Fretboard panel typed into as a user does: its template is vesk-cli frets' byte for byte, its
// copied table is the command's CSV, and a board that cannot be says why and writes nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>

#include "workshop/fret_table_model.h"
#include "workshop/fretboard_panel.h"
#include "workshop/workshop_window.h"

namespace {

const QString kDesign = QStringLiteral(VESK_TEST_DATA_DIR "/soundhole_design.bin");

using Fields = std::vector<std::pair<const char*, QString>>;

// Each field by its name: text, a number, a tick ("1") or a choice's value.
void Type(FretboardPanel* panel, const Fields& fields) {
  for (const auto& [name, text] : fields) {
    QObject* field = panel->findChild<QObject*>(QLatin1String(name));
    ASSERT_NE(field, nullptr) << name;
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->setText(text);
    if (auto* spin = qobject_cast<QSpinBox*>(field)) spin->setValue(text.toInt());
    if (auto* box = qobject_cast<QCheckBox*>(field)) box->setChecked(text == QLatin1String("1"));
    if (auto* combo = qobject_cast<QComboBox*>(field)) combo->setCurrentIndex(combo->findData(text.toInt()));
  }
}

QByteArray CliFrets(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(VESK_CLI_PATH), QStringList{QStringLiteral("frets"), kDesign} + args);
  if (!p.waitForFinished(120000) || p.exitCode() != 0) {
    ADD_FAILURE() << "vesk-cli frets failed: " << p.readAllStandardError().toStdString();
    return {};
  }
  return p.readAllStandardOutput();
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Row {
  const char* name;
  Fields fields;
  QStringList args;
  const char* file;
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

const QString kPastLastFret = QString::number(int(BoardEndKind::kPastLastFret));

std::vector<Row> Rows() {
  return {
      {"Straight",
       {{"frets", "21"}, {"scale", "63"}, {"nutWidth", "4.6"}},
       {"--frets", "21", "--scale", "63", "--nut-width", "4.6"},
       "straight.svg"},
      {"Fanned",
       {{"fanned", "1"},
        {"scale", "68.6"},
        {"trebleScale", "64.8"},
        {"perpendicular", "7"},
        {"boardEnd", kPastLastFret},
        {"boardEndValue", "12"}},
       {"--scale", "68.6,64.8", "--perpendicular", "7", "--overhang", "12"},
       "fanned.dxf"},
      {"LeftHandedWithMargins",
       {{"leftHanded", "1"},
        {"marginNut", "3.5"},
        {"marginLast", "4.5"},
        {"widthFret", "14"},
        {"widthAtFret", "5.8"},
        {"slotWidth", "0.6"}},
       {"--left-handed", "--string-margin", "3.5,4.5", "--width-at", "14=5.8", "--slot-width", "0.6"},
       "left.svg"},
  };
}

class FretboardRows : public ::testing::TestWithParam<Row> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window.loadFile(kDesign).ok());
    Type(window.fretboardPanel(), GetParam().fields);
  }
  WorkshopWindow window;
};

TEST_P(FretboardRows, ExportWritesTheBytesOfVeskCliFrets) {
  QTemporaryDir dir;
  const QString ours = dir.filePath(QLatin1String(GetParam().file));
  const QString theirs = dir.filePath(QStringLiteral("cli-") + QLatin1String(GetParam().file));
  QSignalSpy exported(&window, &WorkshopWindow::templateExported);
  window.exportFretTemplateTo(ours);
  ASSERT_TRUE(exported.wait(60000));
  EXPECT_EQ(exported.front().at(1).toString(), QString());
  CliFrets(GetParam().args + QStringList{QStringLiteral("-o"), theirs});
  const QByteArray written = ReadAll(ours);
  EXPECT_FALSE(written.isEmpty());
  EXPECT_TRUE(written == ReadAll(theirs));
}

TEST_P(FretboardRows, CopiedTableIsTheCsvOfVeskCliFrets) {
  window.fretboardPanel()->copyTable();
  QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'));
  QStringList csv = QString::fromUtf8(CliFrets(GetParam().args + QStringList{QStringLiteral("--csv")}))
                        .split(QLatin1Char('\n'));
  ASSERT_GT(csv.size(), 2);
  // The headers differ in wording; the numbers are the same, column for column.
  copied.removeFirst();
  csv.removeFirst();
  EXPECT_EQ(copied.join(QLatin1Char('\n')).replace(QLatin1Char('\t'), QLatin1Char(',')),
            csv.join(QLatin1Char('\n')));
}

INSTANTIATE_TEST_SUITE_P(Rows, FretboardRows, ::testing::ValuesIn(Rows()),
                         [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
  const char* name;
  Fields fields;
  const char* why;
};

void PrintTo(const Refusal& row, std::ostream* os) {
  *os << row.name;
}

class FretboardRefusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(FretboardRefusals, ShowsWhyBesideTheFieldsAndWritesNothing) {
  QTemporaryDir dir;
  WorkshopWindow window;
  ASSERT_TRUE(window.loadFile(kDesign).ok());
  FretboardPanel* panel = window.fretboardPanel();
  Type(panel, GetParam().fields);
  EXPECT_TRUE(panel->problem()->text().contains(QLatin1String(GetParam().why)))
      << panel->problem()->text().toStdString();
  EXPECT_FALSE(panel->exportButton()->isEnabled());
  EXPECT_EQ(panel->table()->rowCount(), 0);
  QSignalSpy exported(&window, &WorkshopWindow::templateExported);
  const QString path = dir.filePath(QStringLiteral("frets.svg"));
  window.exportFretTemplateTo(path);
  ASSERT_EQ(exported.size(), 1);
  EXPECT_FALSE(exported.front().at(1).toString().isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FretboardRefusals,
    ::testing::Values(
        Refusal{"BoardEndsBeforeTheLastFret",
                {{"boardEnd", QString::number(int(BoardEndKind::kAtFret))}, {"boardEndValue", "10"}},
                "cannot end before the last fret"},
        Refusal{"NutWidthNotANumber", {{"nutWidth", "4,3"}}, "Nut width: '4,3' is not a number"},
        Refusal{"MarginsMeet", {{"marginNut", "30"}}, "the outer strings must lie inside the board"},
        Refusal{"NegativeExtension", {{"extend", "-1"}}, "Extend: cannot be negative"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
