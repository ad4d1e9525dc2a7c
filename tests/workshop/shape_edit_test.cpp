// A typed shape value is taken only when it is a finite number whose design fits.
#include "workshop/shape_edit.h"

#include <gtest/gtest.h>

#include "geometry/fit_shape.h"
#include "workshop/number_field.h"

namespace {

struct Row {
  const char* name;
  int index;
  const char* text;
  bool changes;
  const char* problemStart;  // "" for none
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name << ": field " << row.index << " '" << row.text << "'";
}

class ShapeEditTest : public ::testing::TestWithParam<Row> {};

TEST_P(ShapeEditTest, TakesOrRefuses) {
  const Row& row = GetParam();
  const Design before;
  const ShapeEdit edit = EditShapeValue(before, row.index, QString::fromLatin1(row.text));
  EXPECT_EQ(edit.changes, row.changes);
  if (*row.problemStart == '\0')
    EXPECT_EQ(edit.problem, QString());
  else
    EXPECT_TRUE(edit.problem.startsWith(QLatin1String(row.problemStart))) << edit.problem.toStdString();
  if (edit.changes) {
    std::array<double, 8> expected = before.shape.ToArray();
    expected[size_t(row.index)] = QString::fromLatin1(row.text).toDouble();
    EXPECT_EQ(edit.design.shape.ToArray(), expected);
    EXPECT_TRUE(FitOutline(edit.design.shape).Valid());
  } else {
    EXPECT_EQ(edit.design.shape, before.shape);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, ShapeEditTest,
                         ::testing::Values(Row{"Length", 0, "45", true, ""},
                                           Row{"SpacesAround", 5, " -0.3 ", true, ""},
                                           Row{"Same", 1, "18.5", false, ""},
                                           Row{"Word", 2, "wide", false, "Not a number"},
                                           Row{"Infinite", 3, "inf", false, "Not a number"},
                                           Row{"CommaDecimal", 2, "12,5", false, "Not a number"},
                                           Row{"WaistTooWide", 2, "30", false, "Does not fit: Exceeded"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberField, ShowsAValueThatReadsBackBitForBit) {
  NumberField field;
  for (double v : {0.1, -0.25, 49.0, 1.0 / 3.0, 1e-17}) {
    field.setValue(v);
    EXPECT_EQ(field.value(), v) << field.text().toStdString();
  }
  field.setText(QStringLiteral("1e999"));
  EXPECT_EQ(field.value(), std::nullopt);
}

}  // namespace
