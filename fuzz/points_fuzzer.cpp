// libFuzzer entry: any bytes as a point file, text and DXF. A broken check or an input slower than
// 1 s of CPU time aborts, so libFuzzer keeps the input. A few bytes of DXF may legitimately describe
// a curve that is sampled into the readers' bound of points (a 100-unit arc read in metres is
// 100,000 points, about 0.2 s in this instrumented build), so the limit sits above that linear,
// bounded work and catches only what grows beyond it.
#include "fuzz_entry.h"
#include "points_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return RunCheckedFuzzInput(data, size, "points", 1000.0, RunPointsInput);
}
