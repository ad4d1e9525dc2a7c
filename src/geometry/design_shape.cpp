// Names of the eight shape values.
#include "geometry/design_shape.h"

int DesignShapeIndex(std::string_view name) {
  static constexpr const char* kOptionNames[8] = {"length", "lower-bout", "waist", "upper-bout",
                                                  "a3",     "a4",         "a5",    "a6"};
  for (int i = 0; i < 8; ++i)
    if (name == kDesignShapeNames[i] || name == kOptionNames[i]) return i;
  return -1;
}
