// libFuzzer entry: any bytes as a point file, text and DXF. A broken check or an input slower than
// 5 s of CPU time aborts, so libFuzzer keeps the input. A few bytes of DXF may legitimately describe
// curves that are sampled up to the readers' bound of 200,000 points, and the harness reads each
// input three times: in this instrumented build that linear, bounded work takes up to about 1.6 s,
// so the limit sits above it and catches only what grows beyond it.
#include "fuzz_entry.h"
#include "points_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return RunCheckedFuzzInput(data, size, "points", 5000.0, RunPointsInput);
}
