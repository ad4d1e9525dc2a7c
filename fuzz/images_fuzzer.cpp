// libFuzzer entry: any bytes as a picture file, read, decoded and traced. A broken check or an
// input slower than a second of CPU time aborts, so libFuzzer keeps the input.
#include "fuzz_entry.h"
#include "images_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return RunCheckedFuzzInput(data, size, "images", 1000.0, RunImageInput);
}
