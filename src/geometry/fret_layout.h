// The fingerboard over the body as one layout: the frets from the joint fret towards the soundhole,
// where the two edges start and stop, and the saddle line. The window and every template draw this.
#pragma once

#include <vector>

struct FretLayoutInput {
  int jointFret = 0;          // j: the fret at the neck end of the body
  double scaleLength = 0.0;   // L
  double holePosition = 0.0;  // p: frets stop before the soundhole's centre
  double nutWidth = 0.0;
  double jointWidth = 0.0;  // the twelfth-fret width as entered, reached at the joint fret
};

// A line across the axis at model x `at`, `width` long and centred on the axis.
struct FretAcross {
  double at = 0.0;
  double width = 0.0;
};

enum class FretLayoutStatus { kOk, kNoJointFret, kNoScaleLength, kNotFinite };

// Only kOk fills the layout; every other status leaves it empty (nothing of the fingerboard is drawn).
struct FretLayout {
  FretLayoutStatus status = FretLayoutStatus::kOk;
  std::vector<FretAcross> frets;  // frets j+1 .. endFret-1, in order
  int endFret = 0;                // the first fret not drawn: the edges stop there
  FretAcross joint;               // where the edges start
  FretAcross end;                 // where the edges stop
  FretAcross saddle;              // FretPosition(0) + L, with the taper carried on
};

// Frets stop at the soundhole, at the saddle, and after this many frets past the joint fret, so the
// walk ends whatever the values.
inline constexpr int kMaxFretsOverBody = 36;

FretLayout LayOutFrets(const FretLayoutInput& in);
