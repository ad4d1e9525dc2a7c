// vesk-cli export of each format beside vesk-cli info on the same design, as whole processes: what
// a workshop script pays per call. The README gives each export as a ratio to info.
#include <benchmark/benchmark.h>

#include "process_runner.h"

namespace {

const std::string kDesign = VESK_TEST_DATA_DIR "/fuzz/design-120";

void RunCli(benchmark::State& state, const std::vector<std::string>& args) {
  const TempDir temp;
  const std::string& dir = temp.path();
  const std::vector<std::string> env =
      EnvironmentWith({"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + dir, "XDG_RUNTIME_DIR=" + dir});
  std::vector<std::string> argv = {VESK_CLI_PROGRAM};
  for (const std::string& a : args) argv.push_back(a == "@OUT" ? dir + "/template" : a);
  for (auto _ : state) {
    if (RunProcess(argv, env) != 0) {
      state.SkipWithError("vesk-cli failed");
      break;
    }
  }
}

void BM_Info(benchmark::State& state) {
  RunCli(state, {"info", kDesign});
}
BENCHMARK(BM_Info)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportSvg(benchmark::State& state) {
  RunCli(state, {"export", kDesign, "-o", "@OUT", "--format", "svg", "--fingerboard"});
}
BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportDxf(benchmark::State& state) {
  RunCli(state, {"export", kDesign, "-o", "@OUT", "--format", "dxf", "--fingerboard", "--dxf-version",
                 std::to_string(state.range(0))});
}
BENCHMARK(BM_ExportDxf)->ArgName("version")->Arg(12)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A mould template: the outline with three exact parallel curves (mould, sides, binding ledge).
void BM_ExportDxfWithOffsets(benchmark::State& state) {
  RunCli(state, {"export", kDesign, "-o", "@OUT", "--format", "dxf", "--fingerboard", "--offset", "MOULD=25",
                 "--offset", "SIDES=-2.2", "--offset", "BINDING=-6.5"});
}
BENCHMARK(BM_ExportDxfWithOffsets)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportPdf(benchmark::State& state) {
  RunCli(state, {"export", kDesign, "-o", "@OUT", "--format", "pdf", "--fingerboard"});
}
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
