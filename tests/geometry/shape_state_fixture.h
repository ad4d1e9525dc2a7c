// Gives each test the shape state of a fresh process and puts the previous one back afterwards.
#pragma once

#include <gtest/gtest.h>

#include "geometry/shape_state.h"

class FreshShapeState : public ::testing::Test {
 protected:
  void SetUp() override {
    m_saved = g_shapeState;
    g_shapeState = ShapeState{};
  }
  void TearDown() override { g_shapeState = m_saved; }

  // An outline with only the given coefficients and vertical scale.
  static void SetOutline(std::initializer_list<double> coeff, double verticalScale) {
    double* a = g_shapeState.coeff;
    for (int k = 0; k < 7; ++k) a[k] = 0.0;
    int k = 0;
    for (double c : coeff) a[k++] = c;
    g_shapeState.verticalScale = verticalScale;
  }

 private:
  ShapeState m_saved;
};
