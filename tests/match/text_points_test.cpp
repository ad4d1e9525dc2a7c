// The text point reader: the forms a station table comes in, and every kind of bad line named.
#include "match/text_points.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Numbered {
  double x, y;
  int line;
};

struct GoodText {
  std::string name;
  std::string text;
  std::vector<Numbered> points;
};
void PrintTo(const GoodText& c, std::ostream* os) {
  *os << c.name;
}

class TextPointsGoodTest : public ::testing::TestWithParam<GoodText> {};

TEST_P(TextPointsGoodTest, ReadsEveryPointWithItsLine) {
  const Result<PointSet> r = ReadTextPoints(GetParam().text);
  ASSERT_TRUE(r.ok()) << r.error().message;
  ASSERT_EQ(r->points.size(), GetParam().points.size());
  ASSERT_EQ(r->lines.size(), r->points.size());
  for (std::size_t i = 0; i < r->points.size(); ++i) {
    EXPECT_EQ(r->points[i].x, GetParam().points[i].x) << i;
    EXPECT_EQ(r->points[i].y, GetParam().points[i].y) << i;
    EXPECT_EQ(r->lines[i], GetParam().points[i].line) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TextPointsGoodTest,
    ::testing::Values(
        GoodText{"Commas", "0,0\n12.5,14\n", {{0, 0, 1}, {12.5, 14, 2}}},
        GoodText{"BlanksAndTabs", "1 2\n3\t-4\n  5   6  \n", {{1, 2, 1}, {3, -4, 2}, {5, 6, 3}}},
        GoodText{"CommaWithSpaces", "1 , 2\n", {{1, 2, 1}}},
        GoodText{"HeaderCommentsAndBlankLines",
                 "# stations\nx,half-width\n\n1,2 # tail\n   \n3,4\n",
                 {{1, 2, 4}, {3, 4, 6}}},
        GoodText{"WindowsLineEnds", "x y\r\n1 2\r\n3 4", {{1, 2, 2}, {3, 4, 3}}},
        GoodText{"ExponentsAndSigns", "+1e1,-2.5E-1\n.5,-0\n", {{10, -0.25, 1}, {0.5, -0.0, 2}}},
        GoodText{"Empty", "", {}}, GoodText{"OnlyComments", "# nothing\n#\n", {}}),
    [](const ::testing::TestParamInfo<GoodText>& info) { return info.param.name; });

struct BadText {
  std::string name;
  std::string text;
  std::string message;  // the error must contain this
};
void PrintTo(const BadText& c, std::ostream* os) {
  *os << c.name;
}

class TextPointsBadTest : public ::testing::TestWithParam<BadText> {};

TEST_P(TextPointsBadTest, StopsWithOneLineNamingTheLine) {
  const Result<PointSet> r = ReadTextPoints(GetParam().text);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.error().message.find(GetParam().message), std::string::npos) << r.error().message;
  EXPECT_EQ(r.error().message.find('\n'), std::string::npos) << r.error().message;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TextPointsBadTest,
    ::testing::Values(BadText{"WordInData", "1,2\n3,abc\n", "line 2: 'abc' is not a number"},
                      BadText{"HeaderAfterData", "1,2\nx,y\n", "line 2: 'x' is not a number"},
                      BadText{"SecondHeader", "x,y\nstation,width\n1,2\n", "line 2"},
                      BadText{"NotANumberValue", "x y\n1 nan\n", "line 2: 'nan' is not a finite number"},
                      BadText{"Infinity", "1,inf\n", "line 1: 'inf' is not a finite number"},
                      BadText{"Overflow", "1e999,2\n", "line 1: '1e999' is not a finite number"},
                      BadText{"ThreeFields", "1,2,3\n", "line 1: expected two numbers"},
                      BadText{"OneField", "1\n", "line 1: expected two numbers"},
                      BadText{"EmptyField", "1,\n", "line 1: '' is not a number"},
                      BadText{"TrailingGarbage", "1,2x\n", "line 1: '2x' is not a number"},
                      BadText{"HexNumber", "0x10,2\n", "'0x10' is not a number"},
                      BadText{"NulByte", std::string("1,2\n3,\0\n", 8), "line 2: not text"},
                      BadText{"LongLine", "1," + std::string(5000, '1') + "\n", "line 1: longer than"}),
    [](const ::testing::TestParamInfo<BadText>& info) { return info.param.name; });

TEST(TextPointsLimitsTest, TooManyPointsStopsAtTheLimit) {
  std::string text;
  for (std::size_t i = 0; i <= kMaxPoints; ++i) text += "1,2\n";
  const Result<PointSet> r = ReadTextPoints(text);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.error().message.find("more than"), std::string::npos) << r.error().message;
}

}  // namespace
