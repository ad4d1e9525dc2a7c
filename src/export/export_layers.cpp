// Part names and colours.
#include "export/export_layers.h"

namespace {

struct PartInfo {
  const char* name;
  LayerStyle style;
};

const PartInfo& InfoOf(Part part) {
  static const PartInfo kInfo[] = {
      {"outline", {0, 0, 0, 7}},     {"offsets", {230, 120, 0, 30}}, {"centreline", {0, 0, 255, 5}},
      {"soundhole", {0, 150, 0, 3}}, {"frets", {200, 0, 200, 6}},    {"stations", {0, 150, 170, 4}},
      {"check", {255, 0, 0, 1}},     {"title", {40, 60, 140, 250}},
  };
  return kInfo[static_cast<int>(part)];
}

}  // namespace

LayerStyle DefaultStyle(Part part) {
  return InfoOf(part).style;
}

QString PartName(Part part) {
  return QString::fromLatin1(InfoOf(part).name);
}

bool ParsePart(const QString& text, Part* part) {
  for (Part p : kAllParts)
    if (text == QLatin1String(InfoOf(p).name)) {
      *part = p;
      return true;
    }
  return false;
}
