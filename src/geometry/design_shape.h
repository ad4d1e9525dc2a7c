// The eight values that fix a design's outline: the body length, the half-widths of the lower
// bout, waist and upper bout, and the four free coefficients a3..a6, all in the design's unit.
#pragma once

#include <array>
#include <string_view>

struct DesignShape {
  double length = 0.0;
  double lowerBout = 0.0;
  double waist = 0.0;
  double upperBout = 0.0;
  double a3 = 0.0;
  double a4 = 0.0;
  double a5 = 0.0;
  double a6 = 0.0;

  // The values in the order above, for code that walks them (the match's free values, a unit
  // conversion); FromArray is the inverse.
  std::array<double, 8> ToArray() const { return {length, lowerBout, waist, upperBout, a3, a4, a5, a6}; }
  static DesignShape FromArray(const std::array<double, 8>& v) {
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
  }
  bool operator==(const DesignShape& o) const { return ToArray() == o.ToArray(); }
  bool operator!=(const DesignShape& o) const { return !(*this == o); }
};

// The names `vesk-cli info --json` gives the values, in ToArray's order.
inline constexpr std::array<const char*, 8> kDesignShapeNames = {"length", "lowerBout", "waist", "upperBout",
                                                                 "a3",     "a4",        "a5",    "a6"};

// Index of a name ("lowerBout"; the option spelling "lower-bout" too), or -1.
int DesignShapeIndex(std::string_view name);
