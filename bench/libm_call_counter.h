// Counts calls of libm's cos and sin made by code linked with -Wl,--wrap=cos,--wrap=sin.
#pragma once

struct LibmCallCount {
  long cos = 0;
  long sin = 0;
};

void StartCountingLibmCalls();
LibmCallCount StopCountingLibmCalls();
