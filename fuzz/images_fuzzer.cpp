// libFuzzer entry: any bytes as a picture file, read, decoded and traced. A broken check or an
// input slower than a second of CPU time aborts, so libFuzzer keeps the input.
#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "images_harness.h"

namespace {

double CpuMilliseconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return 1e3 * double(ts.tv_sec) + 1e-6 * double(ts.tv_nsec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const double start = CpuMilliseconds();
  const std::string broken = RunImageInput(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!broken.empty()) {
    std::fprintf(stderr, "images check failed: %s\n", broken.c_str());
    std::abort();
  }
  const double ms = CpuMilliseconds() - start;
  if (ms > 1000.0) {
    std::fprintf(stderr, "images input took %.1f ms (limit 1000)\n", ms);
    std::abort();
  }
  return 0;
}
