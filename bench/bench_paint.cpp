// Load + fit + paint of a design (the 120-byte one, with soundhole and fingerboard), as opening it
// in the window does, beside the fit of the same design alone. The README gives the ratio.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>

#include "document/veskdoc.h"
#include "framework/dc.h"
#include "geometry/fit_shape.h"
#include "view/veskview.h"

namespace {

QByteArray Design() {
  QFile f(QStringLiteral(VESK_TEST_DATA_DIR "/fuzz/design-120"));
  if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("design-120 fixture missing");
  return f.readAll();
}

// The window's default client size, everything shown.
struct Window {
  CVeskDoc doc;
  CVeskView view;
  QImage image{800, 600, QImage::Format_RGB32};
  explicit Window(int vertical) {
    view.SetDocument(&doc);
    view.m_vertical = vertical;
    view.m_showFingerboard = 1;
    view.m_showData = 1;
  }
};

void BM_LoadFitPaint(benchmark::State& state) {
  const QByteArray bytes = Design();
  Window w(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (!w.doc.LoadFromBytes(bytes, QStringLiteral("design-120"), nullptr))
      state.SkipWithError("load failed");
    PaintInto(&w.image, [&](CDC* dc) { w.view.OnDraw(dc); });
  }
}
BENCHMARK(BM_LoadFitPaint)->ArgName("vertical")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FitOnly(benchmark::State& state) {
  CVeskDoc doc;
  doc.LoadFromBytes(Design(), QStringLiteral("design-120"), nullptr);
  for (auto _ : state)
    benchmark::DoNotOptimize(FitShape(doc.m_length, doc.m_lowerBout, doc.m_waist, doc.m_upperBout, doc.m_a3,
                                      doc.m_a4, doc.m_a5, doc.m_a6));
}
BENCHMARK(BM_FitOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
