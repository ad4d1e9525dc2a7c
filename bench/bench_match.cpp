// vesk-cli match: the search on 40 stations, all eight values free, with and without alignment,
// each beside the cost of one FitShape of the new design (the "fitshapes" counter is the match's
// time in FitShape calls of the default design, both in thread CPU time, measured in the same run);
// and whole traces of 20,000 and 200,000 points, turned and shifted, matched with alignment.
#include <benchmark/benchmark.h>
#include <time.h>

#include <cmath>
#include <random>
#include <vector>

#include "geometry/fit_shape.h"
#include "geometry/math_constants.h"
#include "match/match_fit.h"

namespace {

// Thread CPU time: the machine is shared, and wall time would count the other processes.
double CpuSeconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + 1e-9 * double(ts.tv_nsec);
}

const DesignShape kNewDesign{49, 18.5, 12, 14, 0, -0.25, 0, -0.5};

// Seconds per FitShape of the new design, over enough calls to be steady.
double FitShapeSeconds() {
  constexpr int kCalls = 2000;
  const double start = CpuSeconds();
  for (int i = 0; i < kCalls; ++i) benchmark::DoNotOptimize(FitOutline(kNewDesign).coeff);
  return (CpuSeconds() - start) / kCalls;
}

std::vector<Point2> Turned(std::vector<Point2> points) {
  const double a = 35.0 * kPi / 180.0;
  for (Point2& p : points)
    p = {std::cos(a) * p.x - std::sin(a) * p.y + 4.0, std::sin(a) * p.x + std::cos(a) * p.y - 9.0};
  return points;
}

// n points of the new design's outline, half-widths measured with `noise` (cm); a whole trace
// goes round both sides.
std::vector<Point2> Outline(int n, double noise, bool wholeBody) {
  const FittedOutline outline = FitOutline(kNewDesign);
  std::mt19937 random(7);
  std::normal_distribution<double> error(0.0, noise);
  std::vector<Point2> points;
  const int half = wholeBody ? n / 2 : n;
  for (int i = 0; i < half; ++i) {
    const double t = 180.0 * i / (half - 1);
    points.push_back({outline.X(t), outline.Y(t) + error(random)});
    if (wholeBody) points.push_back({outline.X(t), -outline.Y(t) + error(random)});
  }
  return points;
}

void RunMatch(benchmark::State& state, const std::vector<Point2>& points, bool align) {
  MatchOptions options;
  options.align = align;
  const double fitSeconds = FitShapeSeconds();
  Result<MatchResult> last = Error{"not run"};
  const double start = CpuSeconds();
  for (auto _ : state) {
    last = MatchDesign(points, options);
    benchmark::DoNotOptimize(&last);
  }
  const double seconds = (CpuSeconds() - start) / double(state.iterations());
  if (!last.ok()) return state.SkipWithError(last.error().message.c_str());
  state.counters["cpu_s"] = seconds;
  state.counters["fitshapes"] = seconds / fitSeconds;
  state.counters["fitshape_us"] = fitSeconds * 1e6;
  state.counters["starts"] = last->starts;
  state.counters["evaluations"] = last->evaluations;
  state.counters["rms_mm"] = last->rms * 10.0;
}

void BM_FitShapeDefault(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FitOutline(kNewDesign).coeff);
}
BENCHMARK(BM_FitShapeDefault)->Repetitions(9)->ReportAggregatesOnly(true);

// 40 stations with 0.2 mm of noise; aligned, the table turned by 35 degrees and shifted.
void BM_Match40Stations(benchmark::State& state) {
  RunMatch(state, Outline(40, 0.02, false), false);
}
BENCHMARK(BM_Match40Stations)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_Match40StationsAligned(benchmark::State& state) {
  RunMatch(state, Turned(Outline(40, 0.02, false)), true);
}
BENCHMARK(BM_Match40StationsAligned)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// A traced outline to 0.1 mm, both sides, turned and shifted.
void BM_MatchTraceAligned(benchmark::State& state) {
  RunMatch(state, Turned(Outline(int(state.range(0)), 0.01, true)), true);
}
BENCHMARK(BM_MatchTraceAligned)
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
