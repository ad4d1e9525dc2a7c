// Clears the upper halves of the processor's vector registers before long runs of double
// arithmetic. Qt 6.4's string hash (its AES path on processors with VAES) returns with them in
// use; until they are cleared, every SSE instruction of our arithmetic and of libm waits on them,
// and on such a processor the fit and the paint run many times slower. Values do not change.
#pragma once

// Does nothing on processors without AVX and on other architectures.
void ClearUpperVectorState();
