// One paint of the new design with the classical soundhole, the fingerboard and the data lines
// into an image, against the same primitives replayed with bare QPainter calls (the README gives
// the ratio), and against as many bare QPainter line segments.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "common/draw_call_recorder.h"
#include "document/veskdoc.h"
#include "framework/dc.h"
#include "framework/vector_state.h"
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
    return CountLines(RecordPaint(&image, [&](CDC* dc) { view.OnDraw(dc); }));
  }
  CVeskDoc doc;
  CVeskView view;
};

void BM_PaintDesign(benchmark::State& state) {
  Scene scene;
  QImage image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), QImage::Format_RGB32);
  for (auto _ : state) {
    PaintInto(&image, [&](CDC* dc) { scene.view.OnDraw(dc); });
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
    benchmark::DoNotOptimize(scene.view.m_scale);
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

// The drawing calls of one paint, recorded through the device context.
DrawCalls CallsOfOnePaint(Scene& scene, const QImage& image) {
  QImage scratch(image.size(), image.format());
  return RecordPaint(&scratch, [&](CDC* dc) { scene.view.OnDraw(dc); });
}

// What a program with the primitives at hand would do: the same fills, one-pixel lines, ellipse
// and opaque text, straight to QPainter, the pen and brush changed only when they change. With
// clean, the vector registers are cleared after each call as the device context does, so that
// Qt's own arithmetic runs at full speed too (see framework/vector_state.h).
void ReplayWithQPainter(const DrawCalls& calls, QImage* image, bool clean) {
  QPainter painter(image);
  painter.setBackgroundMode(Qt::OpaqueMode);
  const QFontMetrics metrics(painter.font());
  QColor penColour = Qt::black;
  painter.setPen(QPen(penColour, 0));
  auto usePen = [&](const QColor& colour) {
    if (colour == penColour) return;
    penColour = colour;
    painter.setPen(QPen(colour, 0));
  };
  for (const DrawCall& c : calls) {
    switch (c.kind) {
      case DrawCall::Fill:
        painter.fillRect(QRect(c.x1, c.y1, c.x2 - c.x1, c.y2 - c.y1), ToQColor(c.color));
        painter.setBackground(ToQColor(c.color));
        break;
      case DrawCall::Line:
        usePen(ToQColor(c.color));
        painter.drawLine(c.x1, c.y1, c.x2, c.y2);
        break;
      case DrawCall::Ellipse:
        usePen(ToQColor(c.color));
        painter.setBrush(c.brush == NULL_BRUSH ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
        painter.drawEllipse(QRect(QPoint(c.x1, c.y1), QPoint(c.x2 - 1, c.y2 - 1)).normalized());
        break;
      case DrawCall::Text:
        usePen(Qt::black);
        painter.drawText(QPoint(c.x1, c.y1 + metrics.ascent()), c.text);
        break;
    }
    if (clean) ClearUpperVectorState();
  }
}

void BM_ReplayWithQPainter(benchmark::State& state, bool clean) {
  Scene scene;
  QImage image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), QImage::Format_RGB32);
  const DrawCalls calls = CallsOfOnePaint(scene, image);
  for (auto _ : state) {
    ReplayWithQPainter(calls, &image, clean);
    benchmark::ClobberMemory();
  }
  state.counters["calls"] = static_cast<double>(calls.size());
}

BENCHMARK(BM_PaintDesign)->Args({800, 600})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintDesignWithoutPixels)->Args({800, 600})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReplayWithQPainter, as_is, false)
    ->Args({800, 600})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReplayWithQPainter, clean_registers, true)
    ->Args({800, 600})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
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
