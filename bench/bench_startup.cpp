// Start-up to the first finished paint, as whole processes on the offscreen platform: vesk beside a
// bare QMainWindow with one widget, and beside the same with a menu bar like vesk's, all ended by
// the first-paint exit. The README gives the ratios.
#include <benchmark/benchmark.h>

#include "framework/first_paint_exit.h"
#include "process_runner.h"

namespace {

void BM_StartToFirstPaint(benchmark::State& state, const char* program, const char* argument) {
  const TempDir temp;
  const std::string& dir = temp.path();
  const std::vector<std::string> env = EnvironmentWith({
      "QT_QPA_PLATFORM=offscreen",
      std::string(FirstPaintExit::kVariable) + "=1",
      "XDG_CONFIG_HOME=" + dir,  // vesk's recent-file list stays out of the user's settings
      "XDG_RUNTIME_DIR=" + dir,
  });
  double cpuSeconds = 0.0;
  for (auto _ : state) {
    std::vector<std::string> argv{program};
    if (*argument) argv.emplace_back(argument);
    double cpu = 0.0;
    if (RunProcess(argv, env, &cpu) != 0) {
      state.SkipWithError("the program did not end cleanly after its first paint");
      break;
    }
    cpuSeconds += cpu;
  }
  // The child's own processor time, in milliseconds per run.
  state.counters["child_cpu_ms"] = benchmark::Counter(cpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_StartToFirstPaint, vesk, VESK_PROGRAM, "")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_StartToFirstPaint, bare_window, BARE_WINDOW_PROGRAM, "")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_StartToFirstPaint, bare_window_with_menu_bar, BARE_WINDOW_PROGRAM, "--menu-bar")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
