// Shortest round-trip text: every double reads back bit for bit with strtod, no shorter decimal
// would, and the shape is printf's "%g" one.
#include "geometry/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace {

uint64_t Bits(double v) {
  uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

double ReadBack(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

int SignificantDigitCount(const std::string& text) {
  std::string digits;
  for (char c : text) {
    if (c == 'e') break;
    if (c >= '0' && c <= '9') digits += c;
  }
  const auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 1;
  const auto last = digits.find_last_not_of('0');
  return static_cast<int>(last - first + 1);
}

// True when some decimal with `digits` significant digits reads back as v: printf rounds
// correctly, so the nearest such decimal is the only candidate.
bool RoundTripsWith(double v, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, v);
  return Bits(std::strtod(buffer, nullptr)) == Bits(v);
}

struct Example {
  double value;
  const char* text;
};

void PrintTo(const Example& e, std::ostream* os) {
  *os << e.text;
}

class NumberTextExamples : public testing::TestWithParam<Example> {};

TEST_P(NumberTextExamples, Text) {
  EXPECT_EQ(ShortestRoundTrip(GetParam().value), GetParam().text);
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextExamples,
    testing::Values(Example{0.0, "0"}, Example{-0.0, "-0"}, Example{65.0, "65"}, Example{48.5, "48.5"},
                    Example{0.1, "0.1"}, Example{-2.54, "-2.54"}, Example{1.0 / 3.0, "0.3333333333333333"},
                    Example{100000.0, "1e+05"}, Example{123456.0, "123456"}, Example{1e21, "1e+21"},
                    Example{1.5e-5, "1.5e-05"}, Example{0.000123, "0.000123"}, Example{5e-324, "5e-324"},
                    Example{DBL_MAX, "1.7976931348623157e+308"},
                    Example{-DBL_MIN, "-2.2250738585072014e-308"},
                    Example{12345678901234567890.0, "12345678901234567000"},
                    Example{-9007199254740993.0, "-9007199254740992"},
                    Example{std::numeric_limits<double>::infinity(), "inf"},
                    Example{-std::numeric_limits<double>::infinity(), "-inf"},
                    Example{std::numeric_limits<double>::quiet_NaN(), "nan"},
                    Example{-std::numeric_limits<double>::quiet_NaN(), "nan"}),
    [](const testing::TestParamInfo<Example>& info) { return "Case" + std::to_string(info.index); });

TEST(NumberText, EveryFiniteDoubleReadsBackBitForBitAndNoShorterTextWould) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> decade(-20.0, 20.0);
  for (int i = 0; i < 200000; ++i) {
    double v;
    if (i % 2 == 0) {
      const uint64_t bits = random();
      std::memcpy(&v, &bits, sizeof v);
      if (!std::isfinite(v)) continue;
    } else {
      v = std::round(std::pow(10.0, decade(random)) * 1000.0) / 1000.0;  // lengths as people type them
    }
    const std::string text = ShortestRoundTrip(v);
    ASSERT_EQ(Bits(ReadBack(text)), Bits(v)) << text;
    const int digits = SignificantDigitCount(text);
    if (digits > 1) {
      ASSERT_FALSE(RoundTripsWith(v, digits - 1)) << text << " is not the shortest";
    }
  }
}

// Moving the decimal point gives the double nearest the shifted decimal, where a multiplication
// would carry the binary noise along.
struct Shift {
  double value;
  int exponent;
  double expected;
};
void PrintTo(const Shift& s, std::ostream* os) {
  *os << ShortestRoundTrip(s.value) << "e" << s.exponent;
}

class ScaledByPowerOfTenTest : public testing::TestWithParam<Shift> {};

TEST_P(ScaledByPowerOfTenTest, IsTheNearestDoubleToTheShiftedDecimal) {
  EXPECT_EQ(Bits(ScaledByPowerOfTen(GetParam().value, GetParam().exponent)), Bits(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Values, ScaledByPowerOfTenTest,
                         testing::Values(Shift{64.77, 1, 647.7}, Shift{68.58, 1, 685.8},
                                         Shift{647.7, -1, 64.77}, Shift{648, -1, 64.8}, Shift{0.1, -3, 1e-4},
                                         Shift{-2.5, 2, -250.0}, Shift{1.5e-300, -20, 1.5e-320},
                                         Shift{1e308, 1, std::numeric_limits<double>::infinity()},
                                         Shift{-0.0, 1, -0.0},
                                         Shift{std::numeric_limits<double>::infinity(), -1,
                                               std::numeric_limits<double>::infinity()}),
                         [](const testing::TestParamInfo<Shift>& info) {
                           return "Case" + std::to_string(info.index);
                         });
