// The part of the fingerboard that lies over the body, as lines in model units: the frets from the
// joint fret towards the soundhole, the saddle line and the two tapering edges. Positions and widths
// come from the same fretboard functions as the on-screen view.
#pragma once

#include <QString>
#include <vector>

#include "export/drawing_primitives.h"

struct FingerboardInput {
  int jointFret = 0;
  double scaleLength = 0.0;
  double holePosition = 0.0;
  double nutWidth = 0.0;
  double jointWidth = 0.0;  // the twelfth-fret width as entered, reached at the joint fret
};

struct FingerboardLines {
  std::vector<Segment> frets;  // joint fret + 1 up to the last fret before the soundhole
  Segment saddle;
  Segment edges[2];
  int endFret = 0;  // where the edges stop
};

// Frets stop at the soundhole, at the saddle, and after this many frets past the joint fret, so the
// walk ends whatever the values.
inline constexpr int kMaxFretsOverBody = 36;

// Empty `why` and the lines, or a one-line reason why there is no fingerboard to draw (a joint fret
// of 0 or less, a scale length that is not positive and finite, widths that are not finite).
struct FingerboardResult {
  FingerboardLines lines;
  QString why;
};
FingerboardResult LayOutFingerboard(const FingerboardInput& in);
