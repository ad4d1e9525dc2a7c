// The part of the fingerboard that lies over the body, as lines in model units: the frets from the
// joint fret towards the soundhole, the saddle line and the two tapering edges. They are the lines
// of the one fret layout the window draws too.
#pragma once

#include "export/drawing_primitives.h"
#include "geometry/fret_layout.h"
#include "geometry/result.h"

using FingerboardInput = FretLayoutInput;

struct FingerboardLines {
  std::vector<Segment> frets;  // joint fret + 1 up to the last fret before the soundhole
  Segment saddle;
  Segment edges[2];
  int endFret = 0;  // where the edges stop
};

// The lines, or a refusal saying why there is no fingerboard to draw (a joint fret of 0 or less, a
// scale length that is not positive and finite, widths that are not finite).
Result<FingerboardLines> LayOutFingerboard(const FingerboardInput& in);
