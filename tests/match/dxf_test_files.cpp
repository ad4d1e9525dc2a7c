// The entities with the group codes of the DXF reference, in the order AutoCAD writes them.
#include "dxf_test_files.h"

#include <cstdio>

std::string Groups(const std::vector<std::pair<int, std::string>>& groups) {
  std::string s;
  for (const auto& g : groups) s += std::to_string(g.first) + "\n" + g.second + "\n";
  return s;
}

std::string Number(double v) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

std::string Header(int insUnits) {
  if (insUnits < 0) return Groups({{0, "SECTION"}, {2, "HEADER"}, {0, "ENDSEC"}});
  return Groups({{0, "SECTION"},
                 {2, "HEADER"},
                 {9, "$ACADVER"},
                 {1, "AC1015"},
                 {9, "$INSUNITS"},
                 {70, std::to_string(insUnits)},
                 {0, "ENDSEC"}});
}

std::string Entities(const std::string& body) {
  return Groups({{0, "SECTION"}, {2, "ENTITIES"}}) + body + Groups({{0, "ENDSEC"}, {0, "EOF"}});
}

std::string Line(const std::string& layer, Point2 a, Point2 b) {
  return Groups({{0, "LINE"},
                 {8, layer},
                 {10, Number(a.x)},
                 {20, Number(a.y)},
                 {30, "0"},
                 {11, Number(b.x)},
                 {21, Number(b.y)},
                 {31, "0"}});
}

std::string LwPolyline(const std::string& layer, const std::vector<Point2>& v, bool closed,
                       const std::vector<double>& bulges) {
  std::string s =
      Groups({{0, "LWPOLYLINE"}, {8, layer}, {90, std::to_string(v.size())}, {70, closed ? "1" : "0"}});
  for (std::size_t i = 0; i < v.size(); ++i) {
    s += Groups({{10, Number(v[i].x)}, {20, Number(v[i].y)}});
    if (i < bulges.size() && bulges[i] != 0.0) s += Groups({{42, Number(bulges[i])}});
  }
  return s;
}

std::string Polyline(const std::string& layer, const std::vector<Point2>& v) {
  std::string s =
      Groups({{0, "POLYLINE"}, {8, layer}, {66, "1"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "0"}});
  for (const Point2& p : v)
    s += Groups({{0, "VERTEX"}, {8, layer}, {10, Number(p.x)}, {20, Number(p.y)}, {30, "0"}});
  return s + Groups({{0, "SEQEND"}, {8, layer}});
}

std::string Arc(const std::string& layer, Point2 centre, double radius, double start, double end,
                bool extrudedDown) {
  std::string s = Groups({{0, "ARC"},
                          {8, layer},
                          {10, Number(centre.x)},
                          {20, Number(centre.y)},
                          {30, "0"},
                          {40, Number(radius)}});
  if (extrudedDown) s += Groups({{210, "0"}, {220, "0"}, {230, "-1"}});
  return s + Groups({{50, Number(start)}, {51, Number(end)}});
}

std::string Ellipse(const std::string& layer, Point2 centre, Point2 major, double ratio, double start,
                    double end) {
  return Groups({{0, "ELLIPSE"},
                 {8, layer},
                 {10, Number(centre.x)},
                 {20, Number(centre.y)},
                 {30, "0"},
                 {11, Number(major.x)},
                 {21, Number(major.y)},
                 {31, "0"},
                 {40, Number(ratio)},
                 {41, Number(start)},
                 {42, Number(end)}});
}

std::string Spline(const std::string& layer, int degree, const std::vector<double>& knots,
                   const std::vector<Point2>& controls, const std::vector<double>& weights) {
  std::string s = Groups({{0, "SPLINE"},
                          {8, layer},
                          {70, "8"},
                          {71, std::to_string(degree)},
                          {72, std::to_string(knots.size())},
                          {73, std::to_string(controls.size())},
                          {74, "0"}});
  for (double k : knots) s += Groups({{40, Number(k)}});
  for (double w : weights) s += Groups({{41, Number(w)}});
  for (const Point2& c : controls) s += Groups({{10, Number(c.x)}, {20, Number(c.y)}, {30, "0"}});
  return s;
}
