// libFuzzer entry: any bytes as a point file, text and DXF. A broken check or an input slower than
// 50 ms of CPU time aborts, so libFuzzer keeps the input.
#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "points_harness.h"

namespace {

// Thread CPU time: on a shared machine wall time also counts whoever else is running.
double CpuMilliseconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return 1e3 * double(ts.tv_sec) + 1e-6 * double(ts.tv_nsec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const double start = CpuMilliseconds();
  const std::string broken = RunPointsInput(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!broken.empty()) {
    std::fprintf(stderr, "points check failed: %s\n", broken.c_str());
    std::abort();
  }
  const double ms = CpuMilliseconds() - start;
  if (ms > 50.0) {
    std::fprintf(stderr, "points input took %.1f ms (limit 50)\n", ms);
    std::abort();
  }
  return 0;
}
