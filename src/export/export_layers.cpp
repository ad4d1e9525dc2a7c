// Layer names and colours. Black is kept for the outline alone; red for the check square alone.
#include "export/export_layers.h"

const LayerStyle& StyleOf(Layer layer) {
  static const LayerStyle kStyles[] = {
      {"OUTLINE", 0, 0, 0, 7},         {"CENTRELINE", 0, 0, 255, 5}, {"SOUNDHOLE", 0, 150, 0, 3},
      {"FRETS", 200, 0, 200, 6},       {"CHECK", 255, 0, 0, 1},      {"TITLE", 40, 60, 140, 250},
  };
  return kStyles[static_cast<int>(layer)];
}
