// A design as a value: the eight shape values, the soundhole and fingerboard block and its flag,
// as a design file holds them. Code beyond the design window (templates, frets, match, vesk-cli,
// the workshop window) passes this and the FittedOutline that FitOutline makes of its shape.
#pragma once

#include <cstdint>

#include "document/design_defaults.h"
#include "geometry/design_shape.h"
#include "geometry/fret_layout.h"

class CArchive;

struct Design {
  DesignShape shape{DesignDefaults::kLength,    DesignDefaults::kLowerBout, DesignDefaults::kWaist,
                    DesignDefaults::kUpperBout, DesignDefaults::kA3,        DesignDefaults::kA4,
                    DesignDefaults::kA5,        DesignDefaults::kA6};
  double holeDiameter = DesignDefaults::kHoleDiameter;
  double holePosition = DesignDefaults::kHolePosition;
  double scaleLength = DesignDefaults::kScaleLength;
  double nutWidth = DesignDefaults::kNutWidth;
  double fret12Width = DesignDefaults::kFret12Width;
  double fret19Width = DesignDefaults::kFret19Width;
  int32_t holeDefined = 0;
  int32_t jointFret = 0;  // read only while holeDefined is set

  // The fingerboard fields as the fret layout takes them.
  FretLayoutInput FretInput() const { return {jointFret, scaleLength, holePosition, nutWidth, fret12Width}; }
};

// The file's layout, shared by CVeskDoc and the value reader: eight doubles and the soundhole flag,
// then, while the flag is set, the soundhole and fingerboard block (scale length first) and the
// joint fret. Loading throws CArchiveException saying what a short file was missing; fields the
// file does not hold keep their values.
void SerializeDesign(CArchive& ar, Design& design);

// The bytes a design file of this design holds: 68, or 120 with the soundhole block.
int DesignFileBytes(const Design& design);

// Edit > in->cm and cm->in on a value: every length times 2.54, or divided by it (a true division,
// not a multiplication by the reciprocal). The integers are kept.
Design DesignInCentimetres(const Design& inches);
Design DesignInInches(const Design& centimetres);
