// A minimal document for the framework tests: a double, a count and that many more doubles, so a
// test can shape a file that runs out in its first or its conditional part. Also a counting view.
#pragma once

#include <QList>
#include <cstdint>
#include <optional>

#include "framework/archive.h"
#include "framework/document.h"
#include "framework/view.h"

class TestDocument : public CDocument {
 public:
  double value = 1.5;
  int32_t count = 0;
  QList<double> extra;
  int serializeCalls = 0;

  void Serialize(CArchive& ar) override {
    ++serializeCalls;
    if (ar.IsStoring()) {
      ar << value << count;
      for (double d : extra) ar << d;
      return;
    }
    ar >> value >> count;
    extra.clear();
    for (int32_t i = 0; i < count; ++i) {
      double d = 0.0;
      ar >> d;
      extra.append(d);
    }
  }

 protected:
  void TakeSnapshot() override { m_saved = Saved{value, count, extra}; }
  void RestoreSnapshot() override {
    value = m_saved->value;
    count = m_saved->count;
    extra = m_saved->extra;
  }

 private:
  struct Saved {
    double value;
    int32_t count;
    QList<double> extra;
  };
  std::optional<Saved> m_saved;
};

class CountingView : public CView {
 public:
  int updates = 0;
  CView* lastSender = nullptr;
  void OnUpdate(CView* sender, long, void*) override {
    ++updates;
    lastSender = sender;
  }
};
