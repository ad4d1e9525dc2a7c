// The failure of an invariant: one line, then abort.
#include "geometry/invariant.h"

#include <cstdio>
#include <cstdlib>

void InvariantFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "vesk: internal error at %s:%d: %s does not hold\n", file, line, condition);
  std::fflush(stderr);
  std::abort();
}
