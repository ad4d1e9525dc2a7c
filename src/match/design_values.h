// The eight values that fix a design's outline, in the order FitShape takes them, with the names
// that `vesk-cli info --json` gives them.
#pragma once

#include <array>
#include <string_view>

using DesignValues = std::array<double, 8>;  // length, lowerBout, waist, upperBout, a3, a4, a5, a6

inline constexpr std::array<const char*, 8> kDesignValueNames = {"length", "lowerBout", "waist", "upperBout",
                                                                 "a3",     "a4",        "a5",    "a6"};

// Index of a name ("lowerBout"; the option spelling "lower-bout" too), or -1.
int DesignValueIndex(std::string_view name);
