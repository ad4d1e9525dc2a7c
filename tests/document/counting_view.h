// A view that counts the updates its document sends.
#pragma once

#include "framework/view.h"

class CountingView : public CView {
 public:
  int updates = 0;
  void OnUpdate(CView*, long, void*) override { ++updates; }
};
