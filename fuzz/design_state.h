// A bit-exact picture of everything a design load may touch: the document's fields, title and
// modified flag, and the process-wide shape state. The fuzzer and the damage test compare two.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>

#include "geometry/shape_state.h"

class CVeskDoc;

struct DesignState {
  std::array<double, 14> lengths{};  // in the document's declaration order
  int32_t fitValid = 0, holeDefined = 0, jointFret = 0;
  QString title;
  bool modified = false;
  ShapeState shape;
};

DesignState CaptureDesignState(const CVeskDoc& doc);

// Empty when a and b agree bit for bit (NaN payloads and signed zeros included); otherwise names
// the first field that differs.
std::string DesignStateDifference(const DesignState& a, const DesignState& b);
