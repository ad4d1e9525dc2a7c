// vesk-cli trace's work on a 12-megapixel photo (JPEG, quality 90) of a full-size body on paper with
// the check square, taken at a 25 degree slant over a textured table: a pencil tracing and a solid
// body, from the file's bytes to the points, in wall time.
#include <benchmark/benchmark.h>

#include <string_view>

#include "trace/trace_picture.h"
#include "trace_scene.h"

namespace {

// 4.68 pixels a millimetre at the paper's centre gives a 4272 x 2807 picture.
Scene Photo(bool silhouette) {
  return {"Photo12MP", {49, 18.5, 12, 14, 0, -0.25, 0, -0.5}, silhouette, 4.68, 25, true, 0.3, 4.0, 1.0, 90};
}

void TracePhoto(benchmark::State& state, bool silhouette) {
  const std::vector<unsigned char> file = RenderScene(Photo(silhouette));
  const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
  std::size_t points = 0;
  for (auto _ : state) {
    const Result<TraceResult> r = TracePicture(bytes, TraceOptions{});
    if (!r.ok()) {
      state.SkipWithError(r.error().message.c_str());
      break;
    }
    points = r->points.size();
    state.counters["megapixels"] = r->pictureWidth * double(r->pictureHeight) / 1e6;
  }
  state.counters["points"] = double(points);
}

void BM_TraceTracingPhoto(benchmark::State& state) {
  TracePhoto(state, false);
}
void BM_TraceSilhouettePhoto(benchmark::State& state) {
  TracePhoto(state, true);
}

}  // namespace

BENCHMARK(BM_TraceTracingPhoto)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TraceSilhouettePhoto)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
