// The wrappers behind LibmCallCount; counting is off except between Start and Stop.
#include "libm_call_counter.h"

extern "C" double __real_cos(double);
extern "C" double __real_sin(double);

namespace {
bool g_counting = false;
LibmCallCount g_count;
}  // namespace

extern "C" double __wrap_cos(double x) {
  if (g_counting) ++g_count.cos;
  return __real_cos(x);
}

extern "C" double __wrap_sin(double x) {
  if (g_counting) ++g_count.sin;
  return __real_sin(x);
}

void StartCountingLibmCalls() {
  g_count = {};
  g_counting = true;
}

LibmCallCount StopCountingLibmCalls() {
  g_counting = false;
  return g_count;
}
