// The DXF point reader: the rebuilt, checked DXF (dxf_groups) is read by dxflib into a creation
// adapter that keeps the points of the wanted layer. Exact duplicates (a LINE's end that is the
// next LINE's start, a closed polyline's last vertex) are kept once.
#include "match/dxf_points.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include "geometry/units.h"
#include "match/dxf_groups.h"

namespace {

bool SameLayer(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::uint64_t Bits(double v) {
  v += 0.0;  // -0.0 and 0.0 are the same point
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

class PointCollector : public DL_CreationAdapter {
 public:
  explicit PointCollector(std::string layer) : m_layer(std::move(layer)) {}

  void setVariableInt(const std::string& key, int value, int /*code*/) override {
    if (key == "$INSUNITS") m_insUnits = value;
  }
  void addLine(const DL_LineData& d) override {
    if (!Wanted(getAttributes().getLayer())) return;
    Add(d.x1, d.y1);
    Add(d.x2, d.y2);
  }
  void addPolyline(const DL_PolylineData& /*d*/) override {
    m_polylineWanted = Wanted(getAttributes().getLayer());
  }
  void addVertex(const DL_VertexData& d) override {
    if (m_polylineWanted) Add(d.x, d.y);
  }

  int insUnits() const { return m_insUnits; }
  const std::vector<MatchPoint>& points() const { return m_points; }
  const std::set<std::string>& layersSeen() const { return m_layersSeen; }

 private:
  bool Wanted(const std::string& layer) {
    if (m_layersSeen.size() < 64) m_layersSeen.insert(layer);
    return m_layer.empty() || SameLayer(layer, m_layer);
  }
  void Add(double x, double y) {
    if (!m_seen.insert({Bits(x), Bits(y)}).second) return;
    m_points.push_back({x, y, 0});
  }

  std::string m_layer;
  int m_insUnits = -1;
  bool m_polylineWanted = false;
  std::vector<MatchPoint> m_points;
  std::set<std::pair<std::uint64_t, std::uint64_t>> m_seen;
  std::set<std::string> m_layersSeen;
};

std::string LayerList(const std::set<std::string>& layers) {
  std::string s;
  for (const std::string& l : layers) s += (s.empty() ? "" : ", ") + l;
  return s;
}

}  // namespace

double MillimetresPerInsUnit(int code) {
  switch (code) {
    case 1:
      return 25.4;  // inches
    case 2:
      return 304.8;  // feet
    case 4:
      return 1.0;  // millimetres
    case 5:
      return 10.0;  // centimetres
    case 6:
      return 1000.0;  // metres
    case 8:
      return 25.4e-6;  // microinches
    case 9:
      return 0.0254;  // mils
    case 10:
      return 914.4;  // yards
    case 13:
      return 1e-3;  // microns
    case 14:
      return 100.0;  // decimetres
    default:
      return 0.0;
  }
}

PointReadResult ReadDxfPoints(std::string_view bytes, const std::string& layer, double unitMm) {
  PointReadResult result;
  const CleanDxf clean = RebuildDxf(bytes);
  if (!clean.error.empty()) {
    result.error = clean.error;
    return result;
  }
  if (!clean.hasEntitiesSection) {
    result.error = "the DXF has no ENTITIES section";
    return result;
  }
  PointCollector collector(layer);
  std::istringstream stream(clean.text);
  DL_Dxf dxf;
  if (!dxf.in(stream, &collector)) {
    result.error = "dxflib cannot read the DXF";
    return result;
  }
  double mmPerUnit = 1.0;
  if (collector.insUnits() <= 0) {
    result.note = "the DXF names no unit ($INSUNITS); read as millimetres";
  } else {
    mmPerUnit = MillimetresPerInsUnit(collector.insUnits());
    if (mmPerUnit == 0.0) {
      result.error = "$INSUNITS " + std::to_string(collector.insUnits()) + " is not a length unit vesk reads";
      return result;
    }
  }
  if (collector.points().empty()) {
    if (!layer.empty())
      result.error =
          "no LINE, POLYLINE or LWPOLYLINE points on layer '" + layer + "'" +
          (collector.layersSeen().empty() ? "" : " (layers: " + LayerList(collector.layersSeen()) + ")");
    else
      result.error = "the DXF has no LINE, POLYLINE or LWPOLYLINE points";
    return result;
  }
  result.points = collector.points();
  for (MatchPoint& p : result.points) {
    p.x = p.x * mmPerUnit / unitMm;
    p.y = p.y * mmPerUnit / unitMm;
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
      result.points.clear();
      result.error = "a coordinate overflows when converted into the design's unit";
      return result;
    }
  }
  return result;
}
