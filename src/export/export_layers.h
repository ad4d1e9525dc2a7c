// The named layers of every template and the colour each is drawn in, the same in all formats, so
// that a laser or CAM program can tell the cut line from the marks.
#pragma once

#include <array>

enum class Layer { Outline, Centreline, Soundhole, Frets, Check, Title };

inline constexpr std::array<Layer, 6> kAllLayers = {Layer::Outline, Layer::Centreline, Layer::Soundhole,
                                                    Layer::Frets,   Layer::Check,      Layer::Title};

struct LayerStyle {
  const char* name;  // OUTLINE, CENTRELINE, ...
  unsigned char red, green, blue;
  int aci;  // AutoCAD colour index for DXF
};

const LayerStyle& StyleOf(Layer layer);
