// Equal-tempered fret positions and the fingerboard's linear taper, measured along the body axis
// from the joint fret (the neck end of the body) towards the tail. Shared by the view and the exports.
#pragma once

// Model x of fret n: (2^(-j/12) - 2^(-n/12)) * L.
double FretPosition(double n, int jointFret, double scaleLength);

// Width at model x d: nut width at the nut, joint width at the joint fret, linear beyond.
double FingerboardWidth(double d, int jointFret, double scaleLength, double nutWidth, double jointWidth);
