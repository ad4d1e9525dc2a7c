// FitShape, SideLength and one extremum scan, beside the same number of bare libm calls.
#include <benchmark/benchmark.h>

#include <cmath>

#include "geometry/extremum.h"
#include "geometry/fit_shape.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"
#include "geometry/side_length.h"
#include "libm_call_counter.h"

namespace {

void FitDefault() {
  FitShape(49, 18.5, 12, 14, 0, -0.25, 0, -0.5);
}
void FitDefaultInInches() {
  FitShape(49 / 2.54, 18.5 / 2.54, 12 / 2.54, 14 / 2.54, 0, -0.25 / 2.54, 0, -0.5 / 2.54);
}

void BM_FitShapeDefault(benchmark::State& state) {
  for (auto _ : state) FitDefault();
  StartCountingLibmCalls();
  FitDefault();
  const LibmCallCount calls = StopCountingLibmCalls();
  state.counters["passes"] = LastFitPassCount();
  state.counters["cos_calls"] = calls.cos;
  state.counters["sin_calls"] = calls.sin;
}
BENCHMARK(BM_FitShapeDefault);

void BM_FitShapeInches(benchmark::State& state) {
  for (auto _ : state) FitDefaultInInches();
  state.counters["passes"] = LastFitPassCount();
}
BENCHMARK(BM_FitShapeInches);

void BM_SideLength(benchmark::State& state) {
  FitDefault();
  for (auto _ : state) benchmark::DoNotOptimize(SideLength(1.0));
}
BENCHMARK(BM_SideLength);

void BM_ScanExtremaOutlineY(benchmark::State& state) {
  FitDefault();
  ExtremumRecord out[8];
  for (auto _ : state) {
    ScanExtrema(OutlineY, 8, out, 5, 175, 5);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_ScanExtremaOutlineY);

// The floor under FitShape: as many bare cos and sin calls as one default fit makes.
void BM_BareLibmCallsOfOneFit(benchmark::State& state) {
  StartCountingLibmCalls();
  FitDefault();
  const LibmCallCount calls = StopCountingLibmCalls();
  double x = 0.3;
  for (auto _ : state) {
    double sum = 0;
    for (long i = 0; i < calls.cos; ++i) sum += std::cos(x + i * 1e-3);
    for (long i = 0; i < calls.sin; ++i) sum += std::sin(x + i * 1e-3);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["calls"] = calls.cos + calls.sin;
}
BENCHMARK(BM_BareLibmCallsOfOneFit);

}  // namespace

BENCHMARK_MAIN();
