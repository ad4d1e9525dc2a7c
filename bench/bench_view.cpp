// One paint of the new design with the classical soundhole, the fingerboard and the data lines
// into an image, against the same number of bare QPainter line segments.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

#include "document/veskdoc.h"
#include "framework/dc.h"
#include "view/veskview.h"

namespace {

// The new design after the soundhole dialog's classical placement.
void DefineClassicalHole(CVeskDoc& doc) {
  doc.m_holeDefined = 1;
  doc.m_jointFret = 12;
  doc.m_holePosition = 15.072019546558241;
  doc.m_fret19Width = 6.532580072914983;
}

struct Scene {
  Scene() {
    doc.OnNewDocument();
    DefineClassicalHole(doc);
    view.SetDocument(&doc);
    view.m_showFingerboard = 1;
    view.m_showData = 1;
  }
  long long LinesOfOnePaint(QImage& image) {
    QPainter painter(&image);
    CDC dc(&painter, CRect(0, 0, image.width(), image.height()));
    view.OnDraw(&dc);
    return dc.LineCount();
  }
  CVeskDoc doc;
  CVeskView view;
};

void BM_PaintDesign(benchmark::State& state) {
  Scene scene;
  QImage image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), QImage::Format_RGB32);
  for (auto _ : state) {
    scene.view.PaintInto(&image);
    benchmark::ClobberMemory();
  }
  state.counters["lines"] = static_cast<double>(scene.LinesOfOnePaint(image));
}

// The same paint on a device context without pixels: the geometry and layout alone.
void BM_PaintDesignWithoutPixels(benchmark::State& state) {
  Scene scene;
  const CRect client(0, 0, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    CDC dc(nullptr, client);
    scene.view.OnDraw(&dc);
    benchmark::DoNotOptimize(dc.LineCount());
  }
}

// As many one-pixel lines as the paint draws, as a polyline around an ellipse inscribed in the
// image, after a white fill.
void BM_BareQPainterLines(benchmark::State& state) {
  Scene scene;
  QImage image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), QImage::Format_RGB32);
  const long long lines = scene.LinesOfOnePaint(image);
  const double cx = image.width() / 2.0, cy = image.height() / 2.0;
  QVector<QLine> segments;
  for (long long i = 0; i < lines; ++i) {
    const double a = 2 * M_PI * static_cast<double>(i) / static_cast<double>(lines);
    const double b = 2 * M_PI * static_cast<double>(i + 1) / static_cast<double>(lines);
    segments.append(QLine(static_cast<int>(cx + 0.45 * image.width() * std::cos(a)),
                          static_cast<int>(cy + 0.45 * image.height() * std::sin(a)),
                          static_cast<int>(cx + 0.45 * image.width() * std::cos(b)),
                          static_cast<int>(cy + 0.45 * image.height() * std::sin(b))));
  }
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    for (const QLine& line : segments) painter.drawLine(line);
    painter.end();
    benchmark::ClobberMemory();
  }
  state.counters["lines"] = static_cast<double>(lines);
}

BENCHMARK(BM_PaintDesign)->Args({800, 600})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintDesignWithoutPixels)->Args({800, 600})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareQPainterLines)->Args({800, 600})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
