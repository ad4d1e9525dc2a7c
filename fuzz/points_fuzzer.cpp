// libFuzzer entry: any bytes as a point file, text and DXF. A broken check or an input slower than
// 50 ms of CPU time aborts, so libFuzzer keeps the input.
#include "fuzz_entry.h"
#include "points_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return RunCheckedFuzzInput(data, size, "points", 50.0, RunPointsInput);
}
