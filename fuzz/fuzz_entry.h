// What every libFuzzer entry of vesk does with an input: runs the harness, and aborts (so that
// libFuzzer keeps the input) when a check broke or the input took longer than its limit of thread
// CPU time (on a shared machine wall time also counts whoever else is running).
#pragma once

#include <time.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

inline double FuzzCpuMilliseconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return 1e3 * double(ts.tv_sec) + 1e-6 * double(ts.tv_nsec);
}

inline int RunCheckedFuzzInput(const uint8_t* data, size_t size, const char* what, double limitMs,
                               std::string (*run)(std::string_view)) {
  const double start = FuzzCpuMilliseconds();
  const std::string broken = run(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!broken.empty()) {
    std::fprintf(stderr, "%s check failed: %s\n", what, broken.c_str());
    std::abort();
  }
  const double ms = FuzzCpuMilliseconds() - start;
  if (ms > limitMs) {
    std::fprintf(stderr, "%s input took %.1f ms (limit %.0f)\n", what, ms, limitMs);
    std::abort();
  }
  return 0;
}
