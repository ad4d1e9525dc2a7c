// libFuzzer entry: any bytes as a point file, text and DXF. A broken check or an input slower than
// 50 ms aborts, so libFuzzer keeps the input.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "points_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto start = std::chrono::steady_clock::now();
  const std::string broken = RunPointsInput(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!broken.empty()) {
    std::fprintf(stderr, "points check failed: %s\n", broken.c_str());
    std::abort();
  }
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (ms > 50.0) {
    std::fprintf(stderr, "points input took %.1f ms (limit 50)\n", ms);
    std::abort();
  }
  return 0;
}
