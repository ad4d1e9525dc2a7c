// ClearUpperVectorState: one vzeroupper where the processor has AVX. Out of line, so that no
// caller keeps a vector value across it (all vector registers are call-clobbered).
#include "framework/vector_state.h"

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void ZeroUpper() {
  _mm256_zeroupper();
}

}  // namespace

void ClearUpperVectorState() {
  static const bool hasAvx = __builtin_cpu_supports("avx");
  if (hasAvx) ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif
